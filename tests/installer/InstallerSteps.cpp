#include "tests/installer/InstallerSteps.h"

#include <shlobj.h>

#include <cstdint>
#include <fstream>

#include "base/Handles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"

namespace installertest {

std::string Environment(const char* name) {
    char value[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length < sizeof value ? std::string(value, length) : std::string();
}

std::string ShellFolder(int id) {
    char path[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

std::string ProgramFolder() { return ShellFolder(CSIDL_PROGRAM_FILES) + "\\Veltrune"; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

long long SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

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

std::string WriteProfile(const std::string& name) {
    const std::string profiles = ShellFolder(CSIDL_COMMON_APPDATA) + "\\ARVEX OC Profiles";
    CreateDirectoryA(profiles.c_str(), nullptr);
    const std::string path = profiles + "\\" + name + ".oc";
    const uint32_t words[] = {0, 1, 1, 0x03010011, 40};
    WriteText(path, std::string(reinterpret_cast<const char*>(words), sizeof words));
    return path;
}

// Both lists are written with Windows line ends.
static std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    for (std::string line : testsupport::SplitLines(testsupport::ReadWholeFile(path))) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Component(const char* name) {
    return Lines(Environment("VELTRUNE_PACKAGE") + "\\" + name + ".txt");
}

std::string Installed(const char* component) {
    const std::string bin = Environment("VELTRUNE_BIN");
    const std::vector<std::string> files = Component(component);
    size_t present = 0;
    for (const std::string& file : files)
        if (SizeOf(ProgramFolder() + "\\" + file) == SizeOf(bin + "\\" + file)) ++present;
    return present == files.size() ? "all" : present == 0 ? "none" : "some";
}

std::vector<std::string> RecordedFiles() {
    std::vector<std::string> files;
    for (const std::string& line : Lines(ProgramFolder() + "\\installed-files.txt"))
        if (line.back() != '\\') files.push_back(line);
    return files;
}

DWORD Install(const std::string& switches, const std::string& setup) {
    const testsupport::ChildResult run = testsupport::RunChild(testsupport::Quote(setup) + " " + switches,
                                                               kInstallerMilliseconds);
    return run.timedOut ? WAIT_TIMEOUT : run.exitCode;
}

bool Uninstall() {
    const std::string uninstaller = ProgramFolder() + "\\uninstall.exe";
    if (testsupport::RunChild(testsupport::Quote(uninstaller) + " /S", kInstallerMilliseconds).exitCode != 0)
        return false;
    return testsupport::PumpUntil([&] { return !MachineKeyExists(kUninstallKey) && !Exists(uninstaller); },
                                  kInstallerMilliseconds);
}

}  // namespace installertest
