#pragma once
// The object a plain window procedure works for, handed over as the last
// argument of CreateWindowEx and kept in the window's user data from its
// first message on.

#include <windows.h>

namespace base {

// Call first in the window procedure with what it got; nullptr for the few
// messages that come before WM_NCCREATE.
template <class T>
T* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace base
