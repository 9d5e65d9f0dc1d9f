#pragma once
// A top-level window of the test that hears the settings-changed broadcast
// as every program of the maker does, and keeps the lParam of each.

#include <windows.h>

#include <vector>

namespace testsupport {

class BroadcastListener {
public:
    BroadcastListener();
    ~BroadcastListener();
    BroadcastListener(const BroadcastListener&) = delete;
    BroadcastListener& operator=(const BroadcastListener&) = delete;

    UINT Message() const { return m_message; }
    // lParams of the broadcasts heard so far, oldest first; only broadcasts
    // carrying exactly the settings-changed wParam count.
    const std::vector<LPARAM>& Heard() const { return m_heard; }
    void Clear() { m_heard.clear(); }
    // Pumps messages until `count` broadcasts have been heard in all.
    bool WaitFor(size_t count, DWORD milliseconds);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_message = 0;
    HWND m_window = nullptr;
    std::vector<LPARAM> m_heard;
};

}  // namespace testsupport
