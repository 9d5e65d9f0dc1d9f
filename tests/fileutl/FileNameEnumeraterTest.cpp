#include "kiln/fileutl/FileNameEnumerater.h"

#include "TempTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

namespace {

std::vector<std::string> List(const std::string& path, bool recursive) {
    std::vector<std::string> paths;
    kiln::FileNameEnumerater files;
    EXPECT_TRUE(files.Start(path, recursive));
    for (; !files.AtEnd(); files.Next()) paths.push_back(files.FullPath());
    return paths;
}

class FileNameEnumeraterTest : public ::testing::Test {
protected:
    FileNameEnumeraterTest() : tree("fileutl") {
        tree.AddFile("a.oc");
        tree.AddFile("b.txt");
        tree.AddFolder("sub\\inner");
        tree.AddFolder("empty");
        tree.AddFile("sub\\c.oc");
        tree.AddFile("sub\\inner\\deep.oc");
    }

    // The folder as the program gives it: with its trailing backslash.
    std::string Folder() const { return tree.Root() + "\\"; }

    TempTree tree;
};

TEST_F(FileNameEnumeraterTest, ListsOnlyTheFolderItselfWithoutRecursion) {
    // The stored folder keeps its backslash and one more joins the name.
    EXPECT_THAT(List(Folder(), false), UnorderedElementsAre(Folder() + "\\a.oc", Folder() + "\\b.txt"));
}

TEST_F(FileNameEnumeraterTest, EntersEveryLevelWithRecursionButNeverTheDots) {
    const std::vector<std::string> paths = List(Folder(), true);
    EXPECT_THAT(paths, UnorderedElementsAre(Folder() + "\\a.oc", Folder() + "\\b.txt", Folder() + "\\sub\\c.oc",
                                            Folder() + "\\sub\\inner\\deep.oc"));
    for (const std::string& path : paths)
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str())) << path << " is not usable as a path";
}

TEST_F(FileNameEnumeraterTest, NameAfterTheLastBackslashIsIgnored) {
    EXPECT_THAT(List(Folder() + "*.oc", false), UnorderedElementsAre(Folder() + "\\a.oc", Folder() + "\\b.txt"));
    // Without a trailing backslash the last folder counts as the name.
    const std::vector<std::string> parent = List(tree.Root() + "\\sub", false);
    EXPECT_THAT(parent, UnorderedElementsAre(Folder() + "\\a.oc", Folder() + "\\b.txt"));
}

TEST_F(FileNameEnumeraterTest, EmptyAndMissingFoldersAreAtEndAtOnce) {
    EXPECT_THAT(List(Folder() + "empty\\", true), IsEmpty());
    EXPECT_THAT(List(Folder() + "absent\\", true), IsEmpty());
    EXPECT_THAT(List("Q:\\no such drive\\", false), IsEmpty());
}

TEST_F(FileNameEnumeraterTest, RestartingForgetsTheEarlierWalk) {
    kiln::FileNameEnumerater files;
    files.Start(Folder(), true);
    files.Next();
    files.Start(Folder() + "sub\\", false);
    std::vector<std::string> paths;
    for (; !files.AtEnd(); files.Next()) paths.push_back(files.FullPath());
    EXPECT_THAT(paths, UnorderedElementsAre(Folder() + "sub\\\\c.oc"));
}

TEST_F(FileNameEnumeraterTest, PathWithoutFolderListsTheCurrentFolderNotTheDriveRoot) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA((Folder() + "sub").c_str()));
    const std::vector<std::string> flat = List("*.oc", false);
    const std::vector<std::string> deep = List("*.oc", true);
    SetCurrentDirectoryA(previous);
    EXPECT_THAT(flat, UnorderedElementsAre("c.oc"));
    EXPECT_THAT(deep, UnorderedElementsAre("c.oc", "inner\\deep.oc"));
}

}  // namespace
