#pragma once
// What the installer tests share: the setup programs and component lists
// that in-fresh-prefix.sh hands over, silent installs and uninstalls, and
// looks at the program folder and the machine's registry.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace installertest {

inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Veltrune";
inline constexpr DWORD kInstallerMilliseconds = 180000;

std::string Environment(const char* name);
std::string ShellFolder(int id);
// Program Files\Veltrune, where a silent install goes.
std::string ProgramFolder();
bool Exists(const std::string& path);
long long SizeOf(const std::string& path);
void WriteText(const std::string& path, const std::string& text);
// A profile of the user's in "ARVEX OC Profiles"; its path.
std::string WriteProfile(const std::string& name);

// The value, or nothing when the key or the value is missing.
std::optional<std::string> MachineValue(const char* key, const char* name);
bool MachineKeyExists(const char* key);

// The files of one installer component ("program", "simboard", "velolib"),
// relative to the program folder, as package.sh put them in the installer.
std::vector<std::string> Component(const char* name);
// "all" when every file of the component in the program folder is the
// build's, "none" when none is, else "some".
std::string Installed(const char* component);
// The files (not the folders) that the installation's record lists.
std::vector<std::string> RecordedFiles();

// Runs the setup program silently with the switches; its exit code.
DWORD Install(const std::string& switches, const std::string& setup = Environment("VELTRUNE_SETUP"));
// Runs the installed uninstaller silently and waits until its copy in the
// temporary folder has finished; false when it did not in time.
bool Uninstall();

}  // namespace installertest
