#pragma once
// The icons of Wine's notification area, each shown in a window of the
// tray's own, which takes the clicks and reports them to the icon's owner.

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

namespace detail {

inline BOOL CALLBACK CollectTrayIcon(HWND window, LPARAM found) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "__winex11_tray_icon" && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

}  // namespace detail

inline std::vector<HWND> TrayIconWindows() {
    std::vector<HWND> icons;
    if (HWND tray = FindWindowA("__winex11_standalone_tray", nullptr))
        EnumChildWindows(tray, &detail::CollectTrayIcon, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

}  // namespace testsupport
