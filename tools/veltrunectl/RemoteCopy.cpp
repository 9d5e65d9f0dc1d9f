#include "tools/veltrunectl/RemoteCopy.h"

#include "base/Handles.h"
#include "vendor/VeltruneMessages.h"

namespace veltrunectl {
namespace {

constexpr char kTitle[] = "Veltrune";
constexpr DWORD kPollMilliseconds = 20;

HWND ApplicationWindowOf(DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "TApplication", kTitle)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

}  // namespace

bool RemoteCopy::Find() {
    m_main = FindWindowA("TMainForm", kTitle);
    if (m_main) GetWindowThreadProcessId(m_main, &m_processId);
    return m_main != nullptr;
}

bool RemoteCopy::Send(UINT message, LPARAM lParam, DWORD milliseconds) const {
    // A show must be able to bring the copy to the front, as a second start
    // lets it.
    if (message == veltrune::msg::kShow) AllowSetForegroundWindow(ASFW_ANY);
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(m_main, message, veltrune::msg::kTag, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                               milliseconds, &result) != 0;
}

bool RemoteCopy::PostHide() const {
    // Posted, never sent: the program looks for it among the messages its
    // loop takes out of the queue.
    HWND application = ApplicationWindowOf(m_processId);
    return application && PostMessageA(application, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool RemoteCopy::WaitUntilHidden(DWORD milliseconds) const {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (IsWindowVisible(m_main)) {
        if (!IsWindow(m_main) || GetTickCount64() >= deadline) return !IsWindowVisible(m_main);
        Sleep(kPollMilliseconds);
    }
    return true;
}

bool RemoteCopy::WaitUntilEnded(DWORD milliseconds) const {
    base::KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, m_processId));
    // A process that cannot be opened any more has ended already.
    if (!process) return !IsWindow(m_main);
    return WaitForSingleObject(process.Get(), milliseconds) == WAIT_OBJECT_0;
}

}  // namespace veltrunectl
