#include "frame/HintWindow.h"

#include "frame/Application.h"
#include "frame/Control.h"
#include "frame/Module.h"
#include "frame/WinControl.h"

#include <commctrl.h>

#include <algorithm>

namespace frame {
namespace {

struct ToolAddress {
    HWND host = nullptr;
    UINT_PTR id = 0;
    bool windowed = false;
};

ToolAddress AddressOf(Control* control) {
    ToolAddress address;
    if (control->IsWindowed()) {
        auto* windowed = static_cast<WinControl*>(control);
        if (!windowed->HandleAllocated()) return address;
        address.host = windowed->Handle();
        address.id = reinterpret_cast<UINT_PTR>(address.host);
        address.windowed = true;
    } else if (control->Parent() && control->Parent()->HandleAllocated()) {
        address.host = control->Parent()->Handle();
        address.id = reinterpret_cast<UINT_PTR>(control);
    }
    return address;
}

TOOLINFOA ToolInfo(const ToolAddress& address) {
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    // Relayed from the message loop rather than subclassed: a subclassed
    // window looks up its subclass property, a round trip to the window
    // server, for every message it gets.
    info.uFlags = address.windowed ? TTF_IDISHWND : 0;
    info.hwnd = address.host;
    info.uId = address.id;
    return info;
}

}  // namespace

HintWindow::~HintWindow() {
    if (m_tooltip && IsWindow(m_tooltip)) DestroyWindow(m_tooltip);
}

bool HintWindow::EnsureWindow() {
    if (m_tooltip) return true;
    if (m_unavailable) return false;
    m_unavailable = true;
    if (!m_commonControls) {
        m_commonControls.Reset(LoadLibraryA("comctl32.dll"));
        using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        auto init = m_commonControls ? reinterpret_cast<InitFunction>(reinterpret_cast<void*>(
                                           GetProcAddress(m_commonControls.Get(), "InitCommonControlsEx")))
                                     : nullptr;
        if (!init) return false;
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        init(&controls);
    }
    m_tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                Application::Instance().Handle(), nullptr, ThisModule(), nullptr);
    m_unavailable = m_tooltip == nullptr;
    return !m_unavailable;
}

void HintWindow::Relay(MSG& message) {
    if (message.message < WM_MOUSEFIRST || message.message > WM_MOUSELAST) return;
    Realize();
    if (m_tooltip) SendMessageA(m_tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

void HintWindow::Realize() {
    if (m_tooltip || m_registered.empty()) return;
    if (!EnsureWindow()) {
        m_registered.clear();
        return;
    }
    std::erase_if(m_registered, [this](const Tool& tool) { return !AddTool(tool); });
}

bool HintWindow::AddTool(const Tool& tool) {
    TOOLINFOA info = ToolInfo(ToolAddress{tool.host, tool.id, tool.windowed});
    if (!tool.windowed) info.rect = tool.control->BoundsRect();
    info.lpszText = const_cast<char*>(tool.control->Hint().c_str());
    return SendMessageA(m_tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool HintWindow::IsRegistered(const Control* control) const {
    return std::any_of(m_registered.begin(), m_registered.end(),
                       [control](const Tool& tool) { return tool.control == control; });
}

void HintWindow::DeleteTool(Control* control) {
    auto it = std::find_if(m_registered.begin(), m_registered.end(),
                           [control](const Tool& tool) { return tool.control == control; });
    if (it == m_registered.end()) return;
    ToolAddress address{it->host, it->id, it->windowed};
    m_registered.erase(it);
    // The tooltip matches tools by value, so a host that is already gone is fine.
    if (!m_tooltip) return;
    TOOLINFOA info = ToolInfo(address);
    SendMessageA(m_tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void HintWindow::Update(Control* control) {
    const bool wanted = control->ShowHint() && !control->Hint().empty() && control->Visible();
    if (!wanted && !IsRegistered(control)) return;
    DeleteTool(control);
    if (!wanted || m_unavailable) return;
    const ToolAddress address = AddressOf(control);
    if (!address.host) return;
    const Tool tool{control, address.host, address.id, address.windowed};
    if (m_tooltip && !AddTool(tool)) return;
    m_registered.push_back(tool);
}

void HintWindow::Remove(Control* control) {
    if (!m_registered.empty()) DeleteTool(control);
}

}  // namespace frame
