#pragma once
// Other programs' windows as a person sees and drives them: found by class,
// title or control name once they show, and given the pointer and the keys
// the way the system delivers them (posted, so that a press that opens a
// modal loop does not hold this program up).

#include <windows.h>

#include <string>

namespace windowshot {

// The visible top-level window of the class (and title, when not empty),
// waiting up to `milliseconds` for it to show; nullptr when none did.
HWND WaitForWindow(const std::string& className, const std::string& title, DWORD milliseconds);
// Waits until no visible top-level window of the class is left.
bool WaitUntilGone(const std::string& className, DWORD milliseconds);
// The descendant window of the control named `name` (the name the program's
// framework carries on each of its windows); nullptr when there is none.
HWND NamedControl(HWND top, const std::string& name);
// A place to press: the window that takes the press, the point in its
// client area and the pressed thing's outline on the screen.
struct Spot {
    HWND window = nullptr;
    POINT at{};
    RECT outline{};
};
Spot MiddleOf(HWND window);
// The first notification-area icon: a window of its own in the standalone
// tray, a square at the right end of the desktop's taskbar otherwise.
// window is nullptr while the tray shows none.
Spot TrayIcon();

// The pointer moved to the spot, a press and a release there.
void Click(const Spot& spot, bool right = false);
// A key pressed and released; the window's thread reads it as typed.
void PressKey(HWND window, WORD key);

}  // namespace windowshot
