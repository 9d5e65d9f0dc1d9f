#include "standins/firmlink/Journal.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "base/Handles.h"

namespace firmsim {

void JournalCall(uint32_t ordinal, std::initializer_list<uint32_t> args, uint32_t result, std::initializer_list<uint32_t> outs) {
    char path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("FIRMLINK_JOURNAL", path, sizeof path);
    if (length == 0 || length >= sizeof path) return;

    std::string line = std::to_string(ordinal);
    char word[16];
    for (uint32_t a : args) {
        std::snprintf(word, sizeof word, " 0x%08X", static_cast<unsigned>(a));
        line += word;
    }
    std::snprintf(word, sizeof word, " -> 0x%08X", static_cast<unsigned>(result));
    line += word;
    for (uint32_t o : outs) {
        std::snprintf(word, sizeof word, " 0x%08X", static_cast<unsigned>(o));
        line += word;
    }
    line += '\n';

    // Opened per call in append mode: several processes share one journal and
    // each line lands whole at the end.
    base::FileHandle file(CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace firmsim
