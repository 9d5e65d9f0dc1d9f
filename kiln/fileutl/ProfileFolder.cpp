#include "kiln/fileutl/ProfileFolder.h"

#include <shlobj.h>
#include <windows.h>

namespace kiln {
namespace {

// The current path, not the default one, and made if it is missing.
std::string CommonAppDataFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                path)))
        return std::string();
    return path;
}

}  // namespace

std::string GetProfileFolder() {
    return MakeProfileFolder(CommonAppDataFolder());
}

std::string MakeProfileFolder(const std::string& shellFolder) {
    std::string folder = shellFolder.empty() ? std::string() : shellFolder + "\\";
    folder += kProfileFolderName;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string SafetyRecordPath() {
    std::string folder = GetProfileFolder();
    folder.resize(folder.size() - std::char_traits<char>::length(kProfileFolderName));
    return folder + "Veltrune safety net.txt";
}

std::string ProfilePath(const std::string& folder, const std::string& name) {
    return folder + name + kProfileExtension;
}

}  // namespace kiln
