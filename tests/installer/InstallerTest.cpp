// Veltrune-Setup.exe in a prefix nobody has used: a silent install puts the
// program folder, the Start menu entry, the Run key and the uninstall entry
// in place; the installed program starts hidden and a second start shows
// it; a silent uninstall ends it with its close message and removes exactly
// what was installed, leaving the user's profiles and files alone.

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/installer/InstallerSteps.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RunningCopy.h"

namespace {

using namespace installertest;
using testsupport::ChildResult;
using testsupport::Quote;
using testsupport::RunChild;

// Every file of every component: what an install on a machine without the
// maker's libraries takes.
std::vector<std::string> Manifest() {
    std::vector<std::string> files;
    for (const char* component : {"program", "simboard", "velolib"})
        for (const std::string& file : Component(component)) files.push_back(file);
    return files;
}

TEST(Installer, InstallsStartsAndUninstallsKeepingTheUsersProfiles) {
    const std::string setup = Environment("VELTRUNE_SETUP");
    const std::string bin = Environment("VELTRUNE_BIN");
    const std::vector<std::string> files = Manifest();
    ASSERT_TRUE(Exists(setup)) << "run through in-fresh-prefix.sh: " << setup;
    ASSERT_FALSE(files.empty());
    for (const std::string& library : testsupport::FileNames(bin + "\\*.dll"))
        EXPECT_NE(std::find(files.begin(), files.end(), library), files.end()) << library << " is packaged";
    for (const char* needed : {"Veltrune.exe", "firmlink.dll", "picload.dll", "Resource\\Veltrune02.ico",
                               "firmctl.exe", "veltrunectl.exe"})
        EXPECT_NE(std::find(files.begin(), files.end(), needed), files.end()) << needed << " is packaged";
    // Development's stand-ins and tools stay in the build.
    for (const char* left : {"wattmind.exe", "sysctrl-service.exe", "gallery.exe"})
        EXPECT_EQ(std::find(files.begin(), files.end(), left), files.end()) << left << " is not packaged";

    // Silent install.
    ASSERT_EQ(Install("/S"), 0u);
    const std::string folder = ProgramFolder();
    EXPECT_EQ(MachineValue(kUninstallKey, "InstallLocation"), folder);
    for (const std::string& file : files)
        EXPECT_EQ(SizeOf(folder + "\\" + file), SizeOf(bin + "\\" + file)) << file;
    std::vector<std::string> recorded = RecordedFiles(), shipped = files;
    std::sort(recorded.begin(), recorded.end());
    std::sort(shipped.begin(), shipped.end());
    EXPECT_EQ(recorded, shipped) << "the record lists what was installed";
    const std::string uninstaller = folder + "\\uninstall.exe";
    EXPECT_TRUE(Exists(uninstaller));
    EXPECT_EQ(MachineValue(kRunKey, "Veltrune"), Quote(folder + "\\Veltrune.exe")) << "starts at logon";
    EXPECT_EQ(MachineValue(kUninstallKey, "DisplayName"), "Veltrune");
    EXPECT_EQ(MachineValue(kUninstallKey, "UninstallString"), Quote(uninstaller));
    EXPECT_EQ(MachineValue(kUninstallKey, "QuietUninstallString"), Quote(uninstaller) + " /S");
    const std::string shortcut = ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Veltrune.lnk";
    EXPECT_TRUE(Exists(shortcut)) << shortcut;

    // The installed program starts hidden; a second start shows it.
    testsupport::RunningCopy program(folder + "\\");
    ASSERT_TRUE(program.WaitUntilReady()) << "the installed program did not start";
    EXPECT_FALSE(IsWindowVisible(program.MainWindow()));
    const ChildResult second = RunChild(Quote(folder + "\\Veltrune.exe"));
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return IsWindowVisible(program.MainWindow()) != FALSE; }, 10000));

    // What the user made: a profile, and a file of their own in the folder.
    const std::string profile = WriteProfile("Before uninstall");
    const std::string notes = folder + "\\notes.txt";
    WriteText(notes, "mine");

    ASSERT_TRUE(Uninstall()) << "the uninstaller did not finish";
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(30000, &exitCode)) << "the running copy was ended";
    EXPECT_EQ(exitCode, 0u) << "by its close message, not killed";

    for (const std::string& file : files) EXPECT_FALSE(Exists(folder + "\\" + file)) << file;
    EXPECT_FALSE(Exists(folder + "\\Resource"));
    EXPECT_FALSE(Exists(folder + "\\installed-files.txt"));
    EXPECT_EQ(MachineValue(kRunKey, "Veltrune"), std::nullopt);
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_EQ(testsupport::ReadWholeFile(notes), "mine") << "what the user put there stays";
    EXPECT_EQ(testsupport::ReadWholeFile(profile).size(), 20u) << "profiles stay";
}

}  // namespace
