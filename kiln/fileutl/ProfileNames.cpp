#include "kiln/fileutl/ProfileNames.h"

#include "kiln/fileutl/FileNameEnumerater.h"
#include "kiln/fileutl/ProfileFolder.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace kiln {
namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool IsDeviceName(const std::string& name) {
    static constexpr std::array<std::string_view, 24> devices = {
        "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5",   "COM6",    "COM7", "COM8",
        "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9", "CONIN$", "CONOUT$"};
    // Windows ignores what follows the first dot and trailing spaces.
    std::string_view stem(name);
    stem = stem.substr(0, stem.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    return std::any_of(devices.begin(), devices.end(),
                       [stem](std::string_view device) { return EqualIgnoringAsciiCase(stem, device); });
}

}  // namespace

bool IsProfileFile(const std::string& path) {
    const std::string::size_type dot = path.rfind('.');
    return dot != std::string::npos && EqualIgnoringAsciiCase(std::string_view(path).substr(dot), kProfileExtension);
}

std::string ProfileNameOf(const std::string& path) {
    const std::string::size_type separator = path.find_last_of("\\:");
    std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

std::vector<std::string> ListProfileNames(const std::string& folder) {
    std::vector<std::string> names;
    FileNameEnumerater files;
    for (files.Start(folder, false); !files.AtEnd(); files.Next()) {
        const std::string path = files.FullPath();
        if (IsProfileFile(path)) names.push_back(ProfileNameOf(path));
    }
    return names;
}

bool IsUsableProfileName(const std::string& name) {
    if (name.empty()) return false;
    const bool refusedCharacter = std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c) != nullptr;
    });
    if (refusedCharacter) return false;
    if (name.find_first_not_of('.') == std::string::npos) return false;
    return !IsDeviceName(name);
}

}  // namespace kiln
