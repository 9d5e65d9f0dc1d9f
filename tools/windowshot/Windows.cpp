#include "Windows.h"

#include "frame/WinControl.h"

#include <vector>

namespace windowshot {

namespace {

struct TopSearch {
    const std::string* className;
    const std::string* title;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TopSearch*>(data);
    char className[256] = {};
    GetClassNameA(window, className, sizeof className);
    if (*search->className != className || !IsWindowVisible(window)) return TRUE;
    if (!search->title->empty()) {
        char title[256] = {};
        GetWindowTextA(window, title, sizeof title);
        if (*search->title != title) return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND ShownWindow(const std::string& className, const std::string& title) {
    TopSearch search{&className, &title};
    EnumWindows(&MatchTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct NameSearch {
    const std::string* name;
    HWND found = nullptr;
};

BOOL CALLBACK MatchName(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<NameSearch*>(data);
    if (frame::WinControl::WindowName(window) != *search->name) return TRUE;
    search->found = window;
    return FALSE;
}

// The standalone tray gives each icon a child window of this class.
BOOL CALLBACK CollectIcon(HWND window, LPARAM found) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className).find("tray_icon") != std::string::npos && IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

}  // namespace

HWND WaitForWindow(const std::string& className, const std::string& title, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        if (HWND window = ShownWindow(className, title)) return window;
        if (GetTickCount64() >= end) return nullptr;
        Sleep(50);
    }
}

bool WaitUntilGone(const std::string& className, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (ShownWindow(className, "")) {
        if (GetTickCount64() >= end) return false;
        Sleep(50);
    }
    return true;
}

HWND NamedControl(HWND top, const std::string& name) {
    NameSearch search{&name};
    EnumChildWindows(top, &MatchName, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

Spot MiddleOf(HWND window) {
    Spot spot{window, {}, {}};
    RECT client{};
    GetClientRect(window, &client);
    spot.at = POINT{client.right / 2, client.bottom / 2};
    GetWindowRect(window, &spot.outline);
    return spot;
}

Spot TrayIcon() {
    if (HWND tray = FindWindowA("__winex11_standalone_tray", nullptr)) {
        std::vector<HWND> icons;
        EnumChildWindows(tray, &CollectIcon, reinterpret_cast<LPARAM>(&icons));
        return icons.empty() ? Spot{} : MiddleOf(icons.front());
    }
    // The desktop's taskbar draws its icons itself, the first at its right
    // end, each a square as high as the bar.
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!taskbar || !IsWindowVisible(taskbar)) return Spot{};
    RECT client{};
    GetClientRect(taskbar, &client);
    const int side = client.bottom;
    Spot spot{taskbar, POINT{client.right - side / 2, side / 2}, RECT{client.right - side, 0, client.right, side}};
    MapWindowPoints(taskbar, nullptr, reinterpret_cast<POINT*>(&spot.outline), 2);
    return spot;
}

void Click(const Spot& spot, bool right) {
    const LPARAM at = MAKELPARAM(spot.at.x, spot.at.y);
    POINT screen = spot.at;
    // Controls that light under the pointer, and menus opened at it, ask
    // where it is.
    ClientToScreen(spot.window, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(spot.window, WM_MOUSEMOVE, 0, at);
    PostMessageA(spot.window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
    PostMessageA(spot.window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
}

void PressKey(HWND window, WORD key) {
    const UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    PostMessageA(window, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

}  // namespace windowshot
