#include "standins/wattmind/MessageLog.h"

#include <windows.h>

#include "base/Handles.h"

namespace {

base::FileHandle OpenForAppending(const std::string& path) {
    return base::FileHandle(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

bool MessageLog::Usable(std::string& error) const {
    if (m_path.empty() || OpenForAppending(m_path)) return true;
    error = "cannot open the log file " + m_path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
}

void MessageLog::Append(const std::string& line) const {
    if (m_path.empty()) return;
    base::FileHandle file = OpenForAppending(m_path);
    if (!file) return;
    const std::string whole = line + "\n";
    DWORD written = 0;
    WriteFile(file.Get(), whole.data(), static_cast<DWORD>(whole.size()), &written, nullptr);
}
