// windowshot: pictures of other programs' windows, cropped to each window,
// and the pointer and keys that bring those windows up, for the README's
// pictures (scripts/screenshots.sh). Run inside the Wine desktop, like
// deskshot.
//
//   windowshot picture FILE.png CLASS [TITLE]   the window once it shows
//   windowshot menu-picture FILE.png            the open popup menu with the tray icon
//   windowshot click CLASS TITLE CONTROL        the named control of the window
//   windowshot key CLASS TITLE KEY...           tab, enter, escape, up, down, left, right, home, end
//   windowshot tray-click left|right            the notification-area icon
//   windowshot wait-gone CLASS                  until no window of the class shows
//
// TITLE "" matches any title. Exit codes: 0 done, 1 the window, control or
// icon did not show in time (or the picture could not be saved), 2 bad
// command line.

#include "ScreenPicture.h"
#include "Windows.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr DWORD kShowMilliseconds = 15000;
// A window that has just shown may still be painting its controls, and a
// layered one reaches the screen a moment after its update.
constexpr DWORD kSettleMilliseconds = 800;

int Usage(const char* what) {
    std::fprintf(stderr, "windowshot: %s (see the header of tools/windowshot/Main.cpp)\n", what);
    return 2;
}

HWND ShownWindow(const std::string& className, const std::string& title) {
    HWND window = windowshot::WaitForWindow(className, title, kShowMilliseconds);
    if (!window) std::fprintf(stderr, "windowshot: no window of class %s shows\n", className.c_str());
    return window;
}

int Picture(const std::string& file, const std::string& className, const std::string& title) {
    HWND window = ShownWindow(className, title);
    if (!window) return 1;
    // The pointer leaves the window first: a control left lit under it
    // would show in one picture and not in the next.
    SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) / 2);
    Sleep(kSettleMilliseconds);
    RECT area{};
    GetWindowRect(window, &area);
    // A colour-keyed window shows what lies behind it wherever it holds the
    // key colour: the compact main window is its upper part only.
    DWORD flags = 0;
    const bool keyed = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) &&
                       GetLayeredWindowAttributes(window, nullptr, nullptr, &flags) && (flags & LWA_COLORKEY);
    return SaveScreenPicture(area, file, keyed) ? 0 : 1;
}

// The menu opens beside the icon it belongs to; the picture shows both.
int MenuPicture(const std::string& file) {
    HWND menu = ShownWindow("#32768", "");
    if (!menu) return 1;
    Sleep(kSettleMilliseconds);
    RECT area{};
    GetWindowRect(menu, &area);
    const windowshot::Spot icon = windowshot::TrayIcon();
    if (icon.window) UnionRect(&area, &area, &icon.outline);
    InflateRect(&area, 4, 4);
    return SaveScreenPicture(area, file) ? 0 : 1;
}

int Click(const std::string& className, const std::string& title, const std::string& name) {
    HWND window = ShownWindow(className, title);
    if (!window) return 1;
    HWND control = windowshot::NamedControl(window, name);
    if (!control) {
        std::fprintf(stderr, "windowshot: the %s window has no control named %s\n", className.c_str(), name.c_str());
        return 1;
    }
    windowshot::Click(windowshot::MiddleOf(control));
    return 0;
}

int Keys(const std::string& className, const std::string& title, const std::vector<std::string>& names) {
    static const std::map<std::string, WORD> keys{
        {"tab", VK_TAB}, {"enter", VK_RETURN}, {"escape", VK_ESCAPE}, {"up", VK_UP},    {"down", VK_DOWN},
        {"left", VK_LEFT}, {"right", VK_RIGHT}, {"home", VK_HOME},    {"end", VK_END},
    };
    std::vector<WORD> pressed;
    for (const std::string& name : names) {
        const auto key = keys.find(name);
        if (key == keys.end()) return Usage(("unknown key " + name).c_str());
        pressed.push_back(key->second);
    }
    HWND window = ShownWindow(className, title);
    if (!window) return 1;
    for (WORD key : pressed) windowshot::PressKey(window, key);
    return 0;
}

int TrayClick(const std::string& button) {
    if (button != "left" && button != "right") return Usage("tray-click takes left or right");
    windowshot::Spot icon;
    const ULONGLONG end = GetTickCount64() + kShowMilliseconds;
    while (!(icon = windowshot::TrayIcon()).window && GetTickCount64() < end) Sleep(50);
    if (!icon.window) {
        std::fprintf(stderr, "windowshot: the notification area shows no icon\n");
        return 1;
    }
    windowshot::Click(icon, button == "right");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return Usage("no command");
    const std::string& command = args[0];
    const size_t count = args.size();
    if (command == "picture" && (count == 3 || count == 4)) return Picture(args[1], args[2], count == 4 ? args[3] : "");
    if (command == "menu-picture" && count == 2) return MenuPicture(args[1]);
    if (command == "click" && count == 4) return Click(args[1], args[2], args[3]);
    if (command == "key" && count >= 4) return Keys(args[1], args[2], {args.begin() + 3, args.end()});
    if (command == "tray-click" && count == 2) return TrayClick(args[1]);
    if (command == "wait-gone" && count == 2) {
        if (windowshot::WaitUntilGone(args[1], kShowMilliseconds)) return 0;
        std::fprintf(stderr, "windowshot: a window of class %s still shows\n", args[1].c_str());
        return 1;
    }
    return Usage(("bad command line for " + command).c_str());
}
