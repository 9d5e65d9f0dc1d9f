#include "tools/veltrunectl/ProfileExchange.h"

#include "base/Handles.h"
#include "base/WindowObject.h"
#include "tools/veltrunectl/HelperWindow.h"
#include "vendor/VeltruneMessages.h"

namespace veltrunectl {
namespace {

namespace msg = veltrune::msg;

constexpr char kClassName[] = "VeltrunectlProfiles";

std::vector<std::string> SplitNames(const COPYDATASTRUCT& data) {
    std::vector<std::string> names;
    const char* text = static_cast<const char*>(data.lpData);
    if (!text) return names;
    std::string name;
    for (DWORD i = 0; i < data.cbData; ++i) {
        if (text[i] != '\0') {
            name.push_back(text[i]);
            continue;
        }
        names.push_back(std::move(name));
        name.clear();
    }
    return names;
}

}  // namespace

// A message-only window: nothing to see, and reachable only through its
// handle, which the copy learns from the request.
ProfileExchange::ProfileExchange() {
    m_window = CreateHelperWindow(kClassName, &Proc, this, HWND_MESSAGE);
}

ProfileExchange::~ProfileExchange() {
    if (m_window) DestroyWindow(m_window);
}

std::optional<LRESULT> ProfileExchange::Send(HWND copy, ULONG_PTR request, const std::string& name,
                                             DWORD milliseconds) {
    COPYDATASTRUCT data{request, static_cast<DWORD>(name.size()), const_cast<char*>(name.data())};
    DWORD_PTR answer = 0;
    // SMTO_NORMAL lets the copy's names in while this thread waits here.
    if (!SendMessageTimeoutA(copy, WM_COPYDATA, reinterpret_cast<WPARAM>(m_window), reinterpret_cast<LPARAM>(&data),
                             SMTO_NORMAL | SMTO_ABORTIFHUNG, milliseconds, &answer))
        return std::nullopt;
    return static_cast<LRESULT>(answer);
}

std::optional<WPARAM> ProfileExchange::WaitForOutcome(DWORD copyProcessId) {
    // The outcome is posted before the copy could end: what came before its
    // end is still taken.
    base::KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, copyProcessId));
    PumpUntil([this] { return m_outcome.has_value(); }, process.Get(), INFINITE);
    return m_outcome;
}

LRESULT CALLBACK ProfileExchange::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = base::WindowObject<ProfileExchange>(window, message, lParam);
    if (self && message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!data || data->dwData != msg::kProfileNames) return FALSE;
        self->m_names = SplitNames(*data);
        return TRUE;
    }
    if (self && message == msg::kProfileOutcome) {
        self->m_outcome = wParam;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace veltrunectl
