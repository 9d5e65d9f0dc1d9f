#include "kiln/widget/ForceForeground.h"

namespace kiln {
namespace {

// Shares the input state of the window's thread with the thread that owns
// the foreground, which lets the system accept the change; undone on exit.
class AttachedInput {
public:
    AttachedInput(HWND window, HWND foreground)
        : m_windowThread(GetWindowThreadProcessId(window, nullptr)),
          m_foregroundThread(foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0) {
        m_attached = m_foregroundThread != 0 && m_foregroundThread != m_windowThread &&
                     AttachThreadInput(m_windowThread, m_foregroundThread, TRUE);
    }
    AttachedInput(const AttachedInput&) = delete;
    AttachedInput& operator=(const AttachedInput&) = delete;
    ~AttachedInput() {
        if (m_attached) AttachThreadInput(m_windowThread, m_foregroundThread, FALSE);
    }

private:
    DWORD m_windowThread;
    DWORD m_foregroundThread;
    bool m_attached = false;
};

// Without a lock time-out the system hands the foreground over at once.
void FrontWithoutLockTimeout(HWND window) {
    DWORD timeout = 0;
    SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
    BringWindowToTop(window);
    SetForegroundWindow(window);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(timeout)),
                          SPIF_SENDCHANGE);
}

}  // namespace

void ForceForeground(HWND window) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    {
        AttachedInput input(window, GetForegroundWindow());
        AllowSetForegroundWindow(ASFW_ANY);
        SetForegroundWindow(window);
        BringWindowToTop(window);
    }
    if (GetForegroundWindow() != window) FrontWithoutLockTimeout(window);
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
}

}  // namespace kiln
