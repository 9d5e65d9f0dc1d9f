#include "tests/support/BroadcastListener.h"

#include "tests/support/MessagePump.h"
#include "vendor/VeltruneMessages.h"

namespace testsupport {
namespace {

constexpr const char* kClassName = "TestBroadcastListener";

}  // namespace

BroadcastListener::BroadcastListener() : m_message(RegisterWindowMessageA(veltrune::msg::kBroadcastName)) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls{};
    cls.lpfnWndProc = &Proc;
    cls.hInstance = instance;
    cls.lpszClassName = kClassName;
    RegisterClassA(&cls);  // fails harmlessly when a listener registered it before
    m_window = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                               nullptr);
    SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

BroadcastListener::~BroadcastListener() {
    DestroyWindow(m_window);
}

bool BroadcastListener::WaitFor(size_t count, DWORD milliseconds) {
    return PumpUntil([&] { return m_heard.size() >= count; }, milliseconds);
}

LRESULT CALLBACK BroadcastListener::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* listener = reinterpret_cast<BroadcastListener*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (listener && message == listener->m_message && wParam == veltrune::msg::kSettingsChanged) {
        listener->m_heard.push_back(lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace testsupport
