#pragma once
// A hidden top-level window that hears the settings-changed broadcast, which
// every program of the maker posts to all top-level windows.

#include <windows.h>

#include <optional>

namespace veltrunectl {

class ChangeListener {
public:
    ChangeListener();
    ~ChangeListener();
    ChangeListener(const ChangeListener&) = delete;
    ChangeListener& operator=(const ChangeListener&) = delete;

    bool Listening() const { return m_window != nullptr; }
    // The lParam of the next broadcast, or nothing when none came in time.
    std::optional<LPARAM> Wait(DWORD milliseconds);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_message = 0;
    HWND m_window = nullptr;
    std::optional<LPARAM> m_heard;
};

}  // namespace veltrunectl
