// Veltrune-Setup.exe in a prefix nobody has used: a silent install puts the
// program folder, the Start menu entry, the Run key and the uninstall entry
// in place; the installed program starts hidden and a second start shows
// it; a silent uninstall ends it with its close message and removes exactly
// what was installed, leaving the user's profiles and files alone.

#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RunningCopy.h"

namespace {

using testsupport::ChildResult;
using testsupport::Quote;
using testsupport::RunChild;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Veltrune";
constexpr DWORD kInstallerMilliseconds = 180000;

std::string Environment(const char* name) {
    char value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length < sizeof value ? std::string(value, length) : std::string();
}

std::string ShellFolder(int id) {
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

long long SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The value, or nothing when the key or the value is missing.
std::optional<std::string> MachineValue(const char* key, const char* name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
    base::RegistryKey owner(opened);
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    if (RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(value)) : std::string(value);
}

bool MachineKeyExists(const char* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return false;
    base::RegistryKey owner(opened);
    return true;
}

// What package.sh put into the installer, relative to the program folder.
std::vector<std::string> Manifest() {
    std::vector<std::string> files;
    for (std::string line : testsupport::SplitLines(testsupport::ReadWholeFile(Environment("VELTRUNE_MANIFEST")))) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) files.push_back(line);
    }
    return files;
}

std::vector<std::string> LibrariesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    base::FindHandle search(FindFirstFileA((folder + "\\*.dll").c_str(), &found));
    if (!search) return names;
    do names.push_back(found.cFileName);
    while (FindNextFileA(search.Get(), &found));
    return names;
}

void WriteBytes(const std::string& path, const std::vector<uint32_t>& words) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(words.data()), static_cast<std::streamsize>(words.size() * 4));
}

TEST(Installer, InstallsStartsAndUninstallsKeepingTheUsersProfiles) {
    const std::string setup = Environment("VELTRUNE_SETUP");
    const std::string bin = Environment("VELTRUNE_BIN");
    const std::vector<std::string> files = Manifest();
    ASSERT_TRUE(Exists(setup)) << "run through in-fresh-prefix.sh: " << setup;
    ASSERT_FALSE(files.empty());
    for (const std::string& library : LibrariesIn(bin))
        EXPECT_NE(std::find(files.begin(), files.end(), library), files.end()) << library << " is packaged";
    for (const char* needed : {"Veltrune.exe", "firmlink.dll", "picload.dll", "Resource\\Veltrune02.ico",
                               "firmctl.exe", "veltrunectl.exe", "wattmind.exe"})
        EXPECT_NE(std::find(files.begin(), files.end(), needed), files.end()) << needed << " is packaged";

    // Silent install.
    const ChildResult install = RunChild(Quote(setup) + " /S", kInstallerMilliseconds);
    ASSERT_FALSE(install.timedOut);
    ASSERT_EQ(install.exitCode, 0u);
    const std::string folder = ShellFolder(CSIDL_PROGRAM_FILES) + "\\Veltrune";
    EXPECT_EQ(MachineValue(kUninstallKey, "InstallLocation"), folder);
    for (const std::string& file : files)
        EXPECT_EQ(SizeOf(folder + "\\" + file), SizeOf(bin + "\\" + file)) << file;
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
    const std::string profiles = ShellFolder(CSIDL_COMMON_APPDATA) + "\\ARVEX OC Profiles";
    CreateDirectoryA(profiles.c_str(), nullptr);
    const std::string profile = profiles + "\\Before uninstall.oc";
    WriteBytes(profile, {0, 1, 1, 0x03010011, 40});
    const std::string notes = folder + "\\notes.txt";
    std::ofstream(notes) << "mine";

    // Silent uninstall, which hands itself over to a copy in the temporary
    // folder and ends at once: the work is done when the entry has gone.
    const ChildResult uninstall = RunChild(Quote(uninstaller) + " /S", kInstallerMilliseconds);
    ASSERT_EQ(uninstall.exitCode, 0u);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return !MachineKeyExists(kUninstallKey) && !Exists(uninstaller); },
                                       kInstallerMilliseconds))
        << "the uninstaller did not finish";
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(30000, &exitCode)) << "the running copy was ended";
    EXPECT_EQ(exitCode, 0u) << "by its close message, not killed";

    for (const std::string& file : files) EXPECT_FALSE(Exists(folder + "\\" + file)) << file;
    EXPECT_FALSE(Exists(folder + "\\Resource"));
    EXPECT_EQ(MachineValue(kRunKey, "Veltrune"), std::nullopt);
    EXPECT_FALSE(Exists(shortcut));
    EXPECT_EQ(testsupport::ReadWholeFile(notes), "mine") << "what the user put there stays";
    EXPECT_EQ(testsupport::ReadWholeFile(profile).size(), 20u) << "profiles stay";
}

}  // namespace
