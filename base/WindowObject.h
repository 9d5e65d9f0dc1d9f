#pragma once
// The object a plain window procedure works for, handed over as the last
// argument of CreateWindowEx and kept in the window's user data from its
// first message on.

#include <windows.h>

namespace base {

// Where no create parameters could carry the object (a window that exists
// before it, such as a system class subclassed after creation), and with
// nullptr when the object goes before its window.
template <class T>
void SetWindowObject(HWND window, T* object) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

// Call first in the window procedure with what it got; nullptr for the few
// messages that come before WM_NCCREATE.
template <class T>
T* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) SetWindowObject(window, reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace base
