#pragma once
// Finds a top-level window of one process by class and caption, hidden or
// not, where another process may have one of the same name.

#include <windows.h>

namespace testsupport {

inline DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// nullptr when the process has no such window.
inline HWND ProcessWindow(DWORD processId, const char* className, const char* caption) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, className, caption)) != nullptr)
        if (ProcessOf(window) == processId) return window;
    return nullptr;
}

}  // namespace testsupport
