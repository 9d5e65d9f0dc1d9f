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

}  // namespace veltrunectl
