#include "kiln/widget/ForceForeground.h"

namespace kiln {
namespace {

// Sharing the foreground thread's input state lets this thread take the
// foreground as if the user had clicked it.
class AttachedInput {
public:
    AttachedInput(DWORD thread, DWORD foregroundThread)
        : m_thread(thread), m_foregroundThread(foregroundThread),
          m_attached(thread != foregroundThread && AttachThreadInput(thread, foregroundThread, TRUE)) {}
    ~AttachedInput() {
        if (m_attached) AttachThreadInput(m_thread, m_foregroundThread, FALSE);
    }
    AttachedInput(const AttachedInput&) = delete;
    AttachedInput& operator=(const AttachedInput&) = delete;

private:
    DWORD m_thread;
    DWORD m_foregroundThread;
    bool m_attached;
};

}  // namespace

void ForceForeground(HWND window) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    {
        HWND foreground = GetForegroundWindow();
        AttachedInput input(GetWindowThreadProcessId(window, nullptr),
                            GetWindowThreadProcessId(foreground, nullptr));
        AllowSetForegroundWindow(ASFW_ANY);
        SetForegroundWindow(window);
        BringWindowToTop(window);
    }
    if (GetForegroundWindow() != window) {
        // Last resort: lift the foreground lock for the one call.
        DWORD timeout = 0;
        SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
        SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
        BringWindowToTop(window);
        SetForegroundWindow(window);
        SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(timeout)),
                              SPIF_SENDCHANGE);
    }
    ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
}

}  // namespace kiln
