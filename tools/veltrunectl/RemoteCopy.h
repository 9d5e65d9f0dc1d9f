#pragma once
// The running copy of Veltrune as another program sees it: its main window,
// found by class and caption, and the application window of the same
// process, which takes the system-menu close that hides the program.

#include <windows.h>

namespace veltrunectl {

class RemoteCopy {
public:
    // False when no copy runs (or it has not made its window yet).
    bool Find();

    // Sends a private message with the tag and waits until it is handled;
    // false when the copy did not take it within `milliseconds`.
    bool Send(UINT message, LPARAM lParam, DWORD milliseconds) const;
    // Asks the program to hide as its taskbar menu's Close does; false when
    // its application window is not there to ask.
    bool PostHide() const;
    bool WaitUntilHidden(DWORD milliseconds) const;
    bool WaitUntilEnded(DWORD milliseconds) const;

    HWND MainWindow() const { return m_main; }
    DWORD ProcessId() const { return m_processId; }

private:
    HWND m_main = nullptr;
    DWORD m_processId = 0;
};

}  // namespace veltrunectl
