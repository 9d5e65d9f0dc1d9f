#pragma once
// A plain popup window filled with one colour, for looking through layered
// and shaped windows placed over it. Each window keeps its own brush, so
// several of different colours can exist at once. Created hidden.

#include "base/Handles.h"

#include <windows.h>

namespace testsupport {

class ColourWindow {
public:
    ColourWindow(RECT bounds, COLORREF colour, DWORD exStyle = WS_EX_NOACTIVATE)
        : m_brush(CreateSolidBrush(colour)) {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        m_window = CreateWindowExA(exStyle, RegisteredClass(instance), "", WS_POPUP, bounds.left, bounds.top,
                                   bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                                   instance, nullptr);
        SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_brush.Get()));
    }
    ~ColourWindow() { DestroyWindow(m_window); }
    ColourWindow(const ColourWindow&) = delete;
    ColourWindow& operator=(const ColourWindow&) = delete;

    HWND Get() const { return m_window; }
    void Show() const {
        ShowWindow(m_window, SW_SHOWNOACTIVATE);
        UpdateWindow(m_window);
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ERASEBKGND) {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     reinterpret_cast<HBRUSH>(GetWindowLongPtrA(window, GWLP_USERDATA)));
            return 1;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    // Registered once per process and left for the process's end.
    static const char* RegisteredClass(HINSTANCE instance) {
        static const char* name = [instance] {
            WNDCLASSA cls{};
            cls.lpfnWndProc = Proc;
            cls.hInstance = instance;
            cls.lpszClassName = "TestColourWindow";
            RegisterClassA(&cls);
            return cls.lpszClassName;
        }();
        return name;
    }

    base::GdiBrush m_brush;
    HWND m_window;
};

}  // namespace testsupport
