#pragma once
// The one window procedure of the framework's windows: the application
// window, every windowed control of a framework class, and the system-class
// controls it subclasses. It finds the object in the window's user data
// (base::WindowObject) and hands it the message; what the object does with
// an exception it raises is the object's own business, since nothing may
// leave a window procedure.

#include <windows.h>

namespace frame {

class WindowMessageTarget {
protected:
    WindowMessageTarget() = default;
    WindowMessageTarget(const WindowMessageTarget&) = delete;
    WindowMessageTarget& operator=(const WindowMessageTarget&) = delete;
    ~WindowMessageTarget() = default;

    // The last argument of CreateWindowEx for a window of a class whose
    // procedure is WindowTrampoline. It is this base's address, not the
    // derived object's, that the trampoline finds again.
    LPVOID LpParam() { return this; }
    // Makes an existing window (a system class) deliver to this object
    // through the trampoline; returns the procedure it had.
    WNDPROC SubclassSystemWindow(HWND window);
    // Later messages of the window reach no object (it is going away); a
    // subclassed window gets its own procedure back.
    static void ReleaseWindow(HWND window, WNDPROC original);

    // Every message of the window, WM_NCCREATE included.
    virtual LRESULT WindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) = 0;

private:
    friend LRESULT CALLBACK WindowTrampoline(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
};

LRESULT CALLBACK WindowTrampoline(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace frame
