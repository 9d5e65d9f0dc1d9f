#include "kiln/fileutl/ProfileFile.h"

#include <array>

namespace kiln {

uint64_t ProfileHead::EntriesPresent() const {
    return bytes > kProfileHeadBytes ? (bytes - kProfileHeadBytes) / kProfileEntryBytes : 0;
}

bool ProfileHead::IsWhole() const {
    return bytes == kProfileHeadBytes + kProfileEntryBytes * count;
}

bool ReadProfileHead(HANDLE file, ProfileHead& head) {
    std::array<uint32_t, 3> words{};
    DWORD read = 0;
    if (!ReadFile(file, words.data(), sizeof words, &read, nullptr) || read != sizeof words) return false;
    head.header = words[0];
    head.version = words[1];
    head.count = words[2];
    if (head.version > kNewestProfileVersion) return false;
    // Without its size a file cannot tell how many of its entries are
    // really there, so nothing of it can be trusted.
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) return false;
    head.bytes = static_cast<uint64_t>(size.QuadPart);
    return true;
}

base::FileHandle OpenProfileFile(const std::string& path) {
    return base::FileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool IsWholeProfileFile(const std::string& path) {
    const base::FileHandle file = OpenProfileFile(path);
    ProfileHead head;
    return file && ReadProfileHead(file.Get(), head) && head.IsWhole();
}

}  // namespace kiln
