#include "tests/soak/SoakCopy.h"

#include "tests/support/DialogWindows.h"
#include "tests/support/FindControl.h"
#include "tests/support/ProcessWindow.h"

#include <psapi.h>

namespace soak {
namespace {

constexpr DWORD kAnswerMilliseconds = 60000;

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<DWORD*>(count);
    return TRUE;
}

struct ProcessWindows {
    DWORD process;
    DWORD count;
};

BOOL CALLBACK CountProcessWindows(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ProcessWindows*>(data);
    if (testsupport::ProcessOf(window) != search->process) return TRUE;
    ++search->count;
    EnumChildWindows(window, &CountWindow, reinterpret_cast<LPARAM>(&search->count));
    return TRUE;
}

}  // namespace

SoakCopy::SoakCopy(const std::string& programFolder) : m_program(programFolder) {
    if (m_program.WaitUntilReady()) m_main = m_program.MainWindow();
}

HWND SoakCopy::Control(const std::string& name) const {
    return testsupport::FindWindowNamed(m_main, name);
}

void SoakCopy::Press(HWND window) const {
    RECT client{};
    GetClientRect(window, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_MOUSEMOVE, 0, centre, SMTO_NORMAL, kAnswerMilliseconds, &ignored);
    SendMessageTimeoutA(window, WM_LBUTTONDOWN, MK_LBUTTON, centre, SMTO_NORMAL, kAnswerMilliseconds, &ignored);
    SendMessageTimeoutA(window, WM_LBUTTONUP, 0, centre, SMTO_NORMAL, kAnswerMilliseconds, &ignored);
}

void SoakCopy::PostPress(HWND window) const {
    testsupport::Click(window);
}

LRESULT SoakCopy::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(m_main, message, wParam, lParam, SMTO_NORMAL, kAnswerMilliseconds, &result);
    return static_cast<LRESULT>(result);
}

bool SoakCopy::Drain(const testsupport::ServiceProcess& service) const {
    const size_t before = service.LoggedRequests().size();
    PostMessageA(m_main, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    return WaitFor([&] { return service.LoggedRequests().size() > before; });
}

HWND SoakCopy::ShownDialog(const char* className) const {
    HWND window = testsupport::ProcessWindow(ProcessId(), className, nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

bool SoakCopy::WaitFor(const std::function<bool()>& done, DWORD milliseconds) const {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(5);
    }
}

ResourceFigures SoakCopy::Figures() const {
    ResourceFigures figures;
    HANDLE process = m_program.Process();
    figures.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    figures.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        figures.privateUsage = memory.PrivateUsage;
        figures.pagefileUsage = memory.PagefileUsage;
        figures.workingSet = memory.WorkingSetSize;
    }
    GetProcessHandleCount(process, &figures.kernelHandles);
    ProcessWindows windows{ProcessId(), 0};
    EnumWindows(&CountProcessWindows, reinterpret_cast<LPARAM>(&windows));
    figures.windows = windows.count;
    return figures;
}

}  // namespace soak
