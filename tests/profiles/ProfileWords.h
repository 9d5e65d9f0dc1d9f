#pragma once
// Profile files written word by word, as another program might have left them.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace profiletest {

inline void WriteWords(const std::string& path, const std::vector<uint32_t>& words, size_t extraBytes = 0) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(words.data()), static_cast<std::streamsize>(words.size() * 4));
    for (size_t i = 0; i < extraBytes; ++i) out.put('\x5A');
}

}  // namespace profiletest
