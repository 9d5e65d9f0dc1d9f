#include "tools/veltrunectl/HelperWindow.h"

namespace veltrunectl {

HWND CreateHelperWindow(const char* className, WNDPROC proc, void* object, HWND parent) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls{};
    cls.lpfnWndProc = proc;
    cls.hInstance = instance;
    cls.lpszClassName = className;
    RegisterClassA(&cls);
    const DWORD exStyle = parent ? 0 : WS_EX_TOOLWINDOW;
    const DWORD style = parent ? 0 : WS_POPUP;
    return CreateWindowExA(exStyle, className, "", style, 0, 0, parent ? 0 : 1, parent ? 0 : 1, parent, nullptr,
                           instance, object);
}

bool PumpUntil(const std::function<bool()>& done, HANDLE ended, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    const auto dispatchWaiting = [&] {
        MSG message;
        while (!done() && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    };
    for (;;) {
        dispatchWaiting();
        if (done()) return true;
        DWORD slice = INFINITE;
        if (milliseconds != INFINITE) {
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline) return false;
            slice = static_cast<DWORD>(deadline - now);
        }
        const DWORD woke = MsgWaitForMultipleObjects(ended ? 1 : 0, ended ? &ended : nullptr, FALSE, slice, QS_ALLINPUT);
        if (ended && woke == WAIT_OBJECT_0) {
            dispatchWaiting();
            return done();
        }
    }
}

}  // namespace veltrunectl
