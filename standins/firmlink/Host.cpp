#include "standins/firmlink/Host.h"

#include <windows.h>

#include <cstdio>

namespace firmsim {

std::string Environment(const char* name) {
    char value[1024];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

void LogProblem(const std::string& message) {
    const std::string line = "firmlink: " + message + "\r\n";
    OutputDebugStringA(line.c_str());
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

void ReportProblem(const std::string& message) {
    LogProblem(message);
    if (Environment("FIRMLINK_QUIET").empty())
        MessageBoxA(nullptr, message.c_str(), "firmlink", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace firmsim
