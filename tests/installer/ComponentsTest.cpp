// What a silent install picks by what the machine already holds: our
// firmware library and profile writer only where the maker's are in neither
// the program folder nor on the path (a file our record lists is ours), the
// simulated board also as /SIMBOARD= says; and an upgrade, which leaves
// nothing of the earlier version that the new one does not ship.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/installer/InstallerSteps.h"
#include "tests/support/ChildProcess.h"

namespace {

using namespace installertest;
using testsupport::ReadWholeFile;

class InstallerComponents : public ::testing::Test {
protected:
    // The tests share one prefix: each leaves it as it found it.
    void TearDown() override {
        if (MachineKeyExists(kUninstallKey)) {
            EXPECT_TRUE(Uninstall());
        }
        for (const std::string& path : m_made) DeleteFileA(path.c_str());
        for (const std::string& folder : m_folders) RemoveDirectoryA(folder.c_str());
        RemoveDirectoryA(ProgramFolder().c_str());
    }

    // One of the maker's libraries as the installer sees it: only the name
    // counts, and the content tells it from ours.
    std::string MakersLibrary(const std::string& folder, const char* name) {
        if (CreateDirectoryA(folder.c_str(), nullptr)) m_folders.push_back(folder);
        return Made(folder + "\\" + name, "maker's");
    }

    std::string Made(const std::string& path, const std::string& text) {
        WriteText(path, text);
        return Track(path);
    }

    // A file the test made, removed after it.
    std::string Track(const std::string& path) {
        m_made.push_back(path);
        return path;
    }

private:
    std::vector<std::string> m_made, m_folders;
};

TEST_F(InstallerComponents, TheMakersLibrariesOnThePathKeepOursOutUnlessTheBoardIsAskedFor) {
    const std::string makers = testsupport::TempPath("makers");
    MakersLibrary(makers, "firmlink.dll");
    MakersLibrary(makers, "velolib.dll");
    testsupport::ScopedEnvironment path("PATH", makers + ";" + Environment("PATH"));

    ASSERT_EQ(Install("/S"), 0u);
    EXPECT_EQ(Installed("program"), "all");
    EXPECT_EQ(Installed("simboard"), "none");
    EXPECT_EQ(Installed("velolib"), "none");

    ASSERT_EQ(Install("/S /SIMBOARD=1"), 0u);
    EXPECT_EQ(Installed("simboard"), "all");
    EXPECT_EQ(Installed("velolib"), "none");
}

TEST_F(InstallerComponents, TheMakersFirmwareBesideTheProgramIsNeitherReplacedNorRemoved) {
    const std::string makers = MakersLibrary(ProgramFolder(), "firmlink.dll");

    ASSERT_EQ(Install("/S"), 0u);
    EXPECT_EQ(Installed("program"), "all");
    EXPECT_EQ(Installed("simboard"), "none");
    EXPECT_EQ(Installed("velolib"), "all") << "the maker's profile writer is missing";

    EXPECT_EQ(Install("/S /SIMBOARD=1"), 2u) << "refused";
    EXPECT_EQ(ReadWholeFile(makers), "maker's");
    EXPECT_EQ(Installed("velolib"), "all") << "the installation is as it was";

    ASSERT_TRUE(Uninstall());
    EXPECT_EQ(Installed("program"), "none");
    EXPECT_EQ(ReadWholeFile(makers), "maker's") << "not ours to remove";
}

TEST_F(InstallerComponents, SimboardZeroLeavesTheBoardOutAndABadValueInstallsNothing) {
    EXPECT_EQ(Install("/S /SIMBOARD=yes"), 2u);
    EXPECT_FALSE(MachineKeyExists(kUninstallKey));
    EXPECT_EQ(Installed("program"), "none");

    ASSERT_EQ(Install("/S /SIMBOARD=0"), 0u);
    EXPECT_EQ(Installed("program"), "all");
    EXPECT_EQ(Installed("simboard"), "none");
    EXPECT_EQ(Installed("velolib"), "all");
}

TEST_F(InstallerComponents, AnUpgradeRemovesWhatTheNewVersionNoLongerShipsAndKeepsTheUsers) {
    const std::string folder = ProgramFolder();
    ASSERT_EQ(Install("/S", Environment("VELTRUNE_EARLIER_SETUP")), 0u);
    const std::string retired = folder + "\\Resource\\Retired\\Retired.png";
    ASSERT_TRUE(Exists(retired)) << "the earlier version ships one file more";
    const std::string profile = Track(WriteProfile("Before upgrade"));
    const std::string notes = Made(folder + "\\notes.txt", "mine");

    ASSERT_EQ(Install("/S"), 0u);
    EXPECT_FALSE(Exists(retired));
    EXPECT_FALSE(Exists(folder + "\\Resource\\Retired"));
    // The firmlink.dll already in the folder was the earlier version's.
    for (const char* component : {"program", "simboard", "velolib"}) EXPECT_EQ(Installed(component), "all") << component;
    EXPECT_EQ(ReadWholeFile(notes), "mine");
    EXPECT_EQ(ReadWholeFile(profile).size(), 20u);
}

}  // namespace
