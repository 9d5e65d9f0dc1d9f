#include "tests/support/BroadcastListener.h"

#include "tests/support/MessagePump.h"

namespace testsupport {
namespace {

constexpr const char* kClassName = "TestBroadcastListener";

}  // namespace

BroadcastListener::BroadcastListener() : m_message(RegisterWindowMessageA("WM_ARVEX_BROADCAST_MESSAGE")) {
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
    if (listener && message == listener->m_message && wParam == 0x2355) {
        listener->m_heard.push_back(lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace testsupport
