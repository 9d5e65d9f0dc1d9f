#include "tests/soak/SoakCopy.h"

#include "tests/support/ProcessWindow.h"

#include <psapi.h>

namespace soak {
namespace {

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

bool SoakCopy::Drain(const testsupport::ServiceProcess& service) const {
    const size_t before = service.LoggedRequests().size();
    PostMessageA(MainWindow(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    return WaitFor([&] { return service.LoggedRequests().size() > before; });
}

ResourceFigures SoakCopy::Figures() const {
    ResourceFigures figures;
    HANDLE process = Process();
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
