#pragma once
// A profile request to the running copy and what comes back: the copy
// answers the request at once, sends the profile names to a window of
// ours before that answer, and posts the outcome of a load or an apply to
// the same window when it is over, which for an apply may take as long as
// the user takes to answer its questions.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace veltrunectl {

class ProfileExchange {
public:
    ProfileExchange();
    ~ProfileExchange();
    ProfileExchange(const ProfileExchange&) = delete;
    ProfileExchange& operator=(const ProfileExchange&) = delete;

    bool Ready() const { return m_window != nullptr; }
    // The copy's answer, or nothing when it took no request within the time.
    std::optional<LRESULT> Send(HWND copy, ULONG_PTR request, const std::string& name, DWORD milliseconds);
    // What the copy sent for a list request, in its order.
    const std::vector<std::string>& Names() const { return m_names; }
    // The outcome of a taken load or apply; nothing when the copy ended
    // without one.
    std::optional<WPARAM> WaitForOutcome(DWORD copyProcessId);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    std::vector<std::string> m_names;
    std::optional<WPARAM> m_outcome;
};

}  // namespace veltrunectl
