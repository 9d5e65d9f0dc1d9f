#include "tools/veltrunectl/ChangeListener.h"

#include "base/WindowObject.h"
#include "tools/veltrunectl/HelperWindow.h"
#include "vendor/VeltruneMessages.h"

namespace veltrunectl {
namespace {

namespace msg = veltrune::msg;

constexpr char kClassName[] = "VeltrunectlListener";

// A copy running at a higher integrity level may post the broadcast too;
// older systems have no filter and let it through anyway.
void AllowThroughFilter(UINT message) {
    using FilterFn = BOOL(WINAPI*)(UINT, DWORD);
    HMODULE user32 = GetModuleHandleA("user32.dll");
    auto filter = user32 ? reinterpret_cast<FilterFn>(reinterpret_cast<void*>(
                               GetProcAddress(user32, "ChangeWindowMessageFilter")))
                         : nullptr;
    if (filter) filter(message, MSGFLT_ADD);
}

}  // namespace

ChangeListener::ChangeListener() : m_message(RegisterWindowMessageA(msg::kBroadcastName)) {
    if (m_message == 0) return;
    AllowThroughFilter(m_message);
    m_window = CreateHelperWindow(kClassName, &Proc, this, nullptr);
}

ChangeListener::~ChangeListener() {
    if (m_window) DestroyWindow(m_window);
}

std::optional<LPARAM> ChangeListener::Wait(DWORD milliseconds) {
    PumpUntil([this] { return m_heard.has_value(); }, nullptr, milliseconds);
    return m_heard;
}

LRESULT CALLBACK ChangeListener::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = base::WindowObject<ChangeListener>(window, message, lParam);
    // As every receiver does: the tag in the low byte, "settings changed" in
    // the next; the rest of wParam is not looked at.
    if (self && message == self->m_message && (wParam & 0xFF) == msg::kTag &&
        ((wParam >> 8) & 0xFF) == msg::kSettingsChangedCommand) {
        if (!self->m_heard) self->m_heard = lParam;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace veltrunectl
