#include "frame/FileStream.h"

#include "frame/Exception.h"

#include <algorithm>

namespace frame {

FileStream::FileStream(const std::string& path)
    : m_file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                         nullptr)) {
    if (!m_file) throw FileOpenError(path, GetLastError());
}

std::size_t FileStream::Read(void* buffer, std::size_t count) {
    auto* out = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(m_file.Get(), out + total, chunk, &got, nullptr) || got == 0) break;
        total += got;
    }
    return total;
}

}  // namespace frame
