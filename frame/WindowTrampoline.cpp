#include "frame/WindowTrampoline.h"

#include "base/WindowObject.h"

namespace frame {

WNDPROC WindowMessageTarget::SubclassSystemWindow(HWND window) {
    base::SetWindowObject(window, this);
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowTrampoline)));
}

void WindowMessageTarget::ReleaseWindow(HWND window, WNDPROC original) {
    base::SetWindowObject<WindowMessageTarget>(window, nullptr);
    if (original) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
}

LRESULT CALLBACK WindowTrampoline(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* target = base::WindowObject<WindowMessageTarget>(window, msg, lParam);
    if (!target) return DefWindowProcA(window, msg, wParam, lParam);
    return target->WindowMessage(window, msg, wParam, lParam);
}

}  // namespace frame
