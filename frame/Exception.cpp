#include "frame/Exception.h"

#include <windows.h>

namespace frame {

std::string SystemErrorText(unsigned long code) {
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                  buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    if (text.empty()) text = "System error " + std::to_string(code) + ".";
    return text;
}

FileOpenError::FileOpenError(const std::string& path, unsigned long systemError)
    : Exception("Cannot open file \"" + path + "\". " + SystemErrorText(systemError), ErrorKind::FileOpen) {}

}  // namespace frame
