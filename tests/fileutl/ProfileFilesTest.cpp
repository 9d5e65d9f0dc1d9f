// The profile folder, which files are profiles and what they are called,
// and which typed names may become profile file names.

#include "kiln/fileutl/ProfileFolder.h"
#include "kiln/fileutl/ProfileNames.h"

#include "TempTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <filesystem>

using ::testing::UnorderedElementsAre;

namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(ProfileNamesTest, ListsFilesEndingInOcInAnyCaseByTheirNameWithoutExtension) {
    TempTree tree("profilenames");
    for (const char* file : {"Fast.OC", "a.b.oc", ".oc", "Slow.Oc", "notes.txt", "x.ocx", "y.oc.bak", "noext"})
        tree.AddFile(file);
    tree.AddFolder("folder.oc");
    EXPECT_THAT(kiln::ListProfileNames(tree.Root() + "\\"), UnorderedElementsAre("Fast", "a.b", "", "Slow"));
    EXPECT_TRUE(kiln::ListProfileNames(tree.Root() + "\\missing\\").empty());
}

TEST(ProfileNamesTest, NameAndExtensionAreTakenFromTheWholePath) {
    EXPECT_EQ("a.b", kiln::ProfileNameOf("C:\\P\\\\a.b.oc"));
    EXPECT_EQ("x", kiln::ProfileNameOf("C:x.oc"));
    EXPECT_EQ("", kiln::ProfileNameOf("C:\\P\\.oc"));
    EXPECT_EQ("plain", kiln::ProfileNameOf("plain"));
    EXPECT_TRUE(kiln::IsProfileFile("C:\\P\\Fast.oC"));
    EXPECT_FALSE(kiln::IsProfileFile("C:\\dir.oc\\file"));
    EXPECT_FALSE(kiln::IsProfileFile("C:\\P\\file.o"));
}

TEST(ProfileNamesTest, ThePathTakesTheNameAsTypedAndAddsTheExtensionAlways) {
    EXPECT_EQ("F\\x.oc.oc", kiln::ProfilePath("F\\", "x.oc"));
    EXPECT_EQ("F\\ Fast .oc", kiln::ProfilePath("F\\", " Fast "));
}

TEST(ProfileNamesTest, NamesThatCouldLeaveTheFolderOrNameADeviceAreNotUsable) {
    for (const char* name : {"Fast", "a.b", " spaced ", "x.oc", "CONSOLE", "COM10", "\xC4nderung", "-", "a..b"})
        EXPECT_TRUE(kiln::IsUsableProfileName(name)) << name;
    for (const char* name : {"", "..\\..\\Windows\\x", "C:\\x", "C:x", "a/b", "a*b", "a?b", "a\"b", "a<b", "a>b",
                             "a|b", "tab\there", ".", "..", "...", "CON", "con", "Com1", "LPT9.txt", "nul ", "AUX.oc",
                             "CONOUT$"})
        EXPECT_FALSE(kiln::IsUsableProfileName(name)) << name;
}

TEST(ProfileFolderTest, IsMadeInTheAllUsersApplicationDataFolder) {
    char shell[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, shell)));
    const std::string folder = kiln::GetProfileFolder();
    EXPECT_EQ(std::string(shell) + "\\ARVEX OC Profiles\\", folder);
    EXPECT_TRUE(IsFolder(folder));
    // Asking again, with the folder there, gives the same answer.
    EXPECT_EQ(folder, kiln::GetProfileFolder());
}

TEST(ProfileFolderTest, WithoutAShellFolderItIsRelativeToTheCurrentDirectory) {
    TempTree tree("profilefolder");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(tree.Root().c_str()));
    const std::string folder = kiln::MakeProfileFolder("");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ("ARVEX OC Profiles\\", folder);
    EXPECT_TRUE(IsFolder(tree.Root() + "\\ARVEX OC Profiles"));
}

}  // namespace
