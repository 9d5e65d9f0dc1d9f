#include "app/Main.h"

#include "app/Shadow.h"
#include "app/ocitems/Construction.h"
#include "frame/Application.h"
#include "frame/Image.h"
#include "frame/Module.h"
#include "kiln/widget/AccessibleWindow.h"
#include "vendor/VeltruneMessages.h"
#include "vendor/firmlink.h"

#include <utility>

TMainForm* MainForm = nullptr;

namespace {

namespace msg = veltrune::msg;

using ChangeFilterFn = BOOL(WINAPI*)(UINT, DWORD);

ChangeFilterFn g_changeWindowMessageFilter = nullptr;

// Resolved before the program's entry runs, once however often the unit's
// initialisation is reached; older systems lack the function.
struct MainUnitInitialization {
    static inline int s_counter = 0;
    MainUnitInitialization() {
        if (s_counter++ != 0) return;
        if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
            g_changeWindowMessageFilter = reinterpret_cast<ChangeFilterFn>(
                reinterpret_cast<void*>(GetProcAddress(user32, "ChangeWindowMessageFilter")));
        }
    }
} g_mainUnitInitialization;

bool TagInLowByte(WPARAM wParam) { return (wParam & 0xFF) == msg::kTag; }

template <class... Args>
void Raise(const std::function<void(Args...)>& event, Args... args) {
    if (event) event(args...);
}

}  // namespace

BOOL AllowMessageThroughFilter(UINT message, DWORD action) {
    if (!g_changeWindowMessageFilter) return TRUE;
    return g_changeWindowMessageFilter(message, action);
}

TMainForm::TMainForm() {
    SetName("MainForm");
    SetCaption("Veltrune");
    SetBorderStyle(frame::BorderStyle::None);
    SetScaled(false);
    SetClientSize(544, 395);
    SetPosition(frame::FormPosition::ScreenCenter);
    // The window exists before anything slower is done, so that a second
    // start finds this copy as early as possible.
    HandleNeeded();

    m_background = MakeChild<frame::Image>();
    m_background->SetName("Background");
    m_background->SetBounds(0, 0, 0, 0);
    m_background->SetAutoSize(true);
    m_smallBk = MakeHolder("SmallBk");
    m_middleBk = MakeHolder("MiddleBk", false);
    m_largeBk = MakeHolder("LargeBk", false);
    m_coreBk = MakeHolder("CoreBk");
    m_comboBoxBody = MakeHolder("ComboBoxBody");
    m_comboBoxBottom = MakeHolder("ComboBoxBottom");

    FirmInitialize();
    SetDoubleBuffered(true);
    SetOpaque(true);
    m_broadcastMessage = RegisterWindowMessageA(msg::kBroadcastName);
    m_hookId = frame::Application::Instance().AddMessageHook(
        [this](MSG& message, bool& handled) { HookApplicationMessage(message, handled); });
    AllowMessageThroughFilter(m_broadcastMessage, MSGFLT_ADD);
    m_taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    AllowMessageThroughFilter(m_taskbarCreatedMessage, MSGFLT_ADD);
    // Windows promises the restarted taskbar's broadcast to unowned windows
    // only, which the application's window is and this one is not; both
    // listen, and the icon knows not to add itself twice.
    frame::Application::Instance().OnWindowMessage = [this](UINT msg, WPARAM, LPARAM) {
        if (m_taskbarCreatedMessage == 0 || msg != m_taskbarCreatedMessage) return false;
        Raise(m_events.taskbarCreated);
        return true;
    };
    m_hover.Clear();
    ConstructionScope::OnAllEnded([this] { PostHeld(); });
    // The program lives in the background: closing its window (Alt+F4 too)
    // only hides it. Ending it takes the private close message or logoff.
    OnClose = [this](frame::Form*, frame::CloseAction& action) {
        action = frame::CloseAction::None;
        Raise(m_events.hideRequested);
    };
}

TMainForm::~TMainForm() {
    ConstructionScope::OnAllEnded(nullptr);
    frame::Application::Instance().RemoveMessageHook(m_hookId);
    frame::Application::Instance().OnWindowMessage = nullptr;
    if (MainForm == this) MainForm = nullptr;
}

// The window definition's pictures are bitmap resources of the program; a
// program built without one shows an empty picture rather than failing.
frame::Image* TMainForm::MakeHolder(const char* name, bool fill) {
    frame::Image* image = MakeChild<frame::Image>();
    image->SetName(name);
    image->SetVisible(false);
    image->SetAutoSize(true);
    return fill ? Filled(image) : image;
}

frame::Image* TMainForm::Filled(frame::Image* holder) {
    const std::string& name = holder->Name();
    if (holder->Picture().Empty() && FindResourceA(frame::ThisModule(), name.c_str(), MAKEINTRESOURCEA(2)))
        holder->Picture().LoadFromResourceName(frame::ThisModule(), name.c_str());
    return holder;
}

void TMainForm::CreateParams(frame::WindowParams& params) {
    frame::Form::CreateParams(params);
    params.className = "TMainForm";
    params.exStyle |= WS_EX_LAYERED;
}

void TMainForm::WndProc(frame::Message& message) {
    if (message.msg == WM_MOUSEMOVE) m_hover.MouseMoved(message.wParam, message.lParam);
    frame::Form::WndProc(message);
}

void TMainForm::Dispatch(frame::Message& message) {
    if (!DispatchPrivate(message)) frame::Form::Dispatch(message);
}

bool TMainForm::ReachesTheModel(UINT message) {
    switch (message) {
    case WM_POWERBROADCAST:
    case msg::kShow:
    case msg::kShowFromSecondStart:
    case msg::kRemoteWrite:
    case msg::kRemoteCommand:
    case msg::kTrayNotification:
    case kProfileRequestDue: return true;
    default: return false;
    }
}

void TMainForm::Hold(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    m_held.push_back(MSG{window, msg, wParam, lParam, 0, POINT{0, 0}});
}

// In the order they came; each goes through its usual handling again.
void TMainForm::PostHeld() {
    for (const MSG& held : std::exchange(m_held, {}))
        PostMessageA(held.hwnd, held.message, held.wParam, held.lParam);
}

// Returns true when the message was handled completely.
bool TMainForm::DispatchPrivate(frame::Message& message) {
    if (ConstructionScope::Underway() && ReachesTheModel(message.msg)) {
        Hold(Handle(), message.msg, message.wParam, message.lParam);
        message.result = TRUE;
        return true;
    }
    switch (message.msg) {
    case WM_MOVE:
        if (ShadowForm) ShadowForm->Follow(*this);
        return false;
    case WM_GETOBJECT:
        if (!m_accessible || static_cast<LONG>(message.lParam) != OBJID_CLIENT) return false;
        message.result = m_accessible->Answer(message.wParam);
        return true;
    case WM_POWERBROADCAST:
        if (message.wParam == PBT_APMSUSPEND) {
            Raise(m_events.suspending);
        } else if (message.wParam == PBT_APMRESUMECRITICAL || message.wParam == PBT_APMRESUMESUSPEND ||
                   message.wParam == PBT_APMRESUMEAUTOMATIC) {
            Raise(m_events.resumed);
        }
        message.result = TRUE;
        return true;
    case WM_ENDSESSION:
        if (message.wParam) Raise(m_events.sessionEnding);
        return false;
    case WM_COPYDATA:
        message.result = TakeProfileRequest(reinterpret_cast<HWND>(message.wParam),
                                            reinterpret_cast<const COPYDATASTRUCT*>(message.lParam));
        return true;
    case kProfileRequestDue:
        Raise(m_events.profileRequestDue);
        return true;
    case msg::kClose:
        if (!TagInLowByte(message.wParam)) return false;
        frame::Application::Instance().Terminate();
        return true;
    case msg::kMinimize:
        if (!TagInLowByte(message.wParam)) return false;
        frame::Application::Instance().Minimize();
        return true;
    case msg::kShow:
    case msg::kShowFromSecondStart:
        if (!TagInLowByte(message.wParam)) return false;
        Raise(m_events.showRequested);
        return true;
    case msg::kToFront:
        if (!TagInLowByte(message.wParam)) return false;
        SetForegroundWindow(Handle());
        return true;
    case msg::kRemoteWrite:
        if (message.wParam != msg::kTag) return false;
        Raise(m_events.remoteWrite, static_cast<uint32_t>(message.lParam));
        return true;
    case msg::kRemoteCommand:
        if (message.wParam != msg::kTag) return false;
        Raise(m_events.remoteCommand, static_cast<uint32_t>(message.lParam));
        return true;
    case msg::kTrayNotification:
        Raise(m_events.trayNotification, message.lParam);
        return true;
    default:
        if (m_taskbarCreatedMessage != 0 && message.msg == m_taskbarCreatedMessage) {
            Raise(m_events.taskbarCreated);
            return true;
        }
        return false;
    }
}

void TMainForm::HookApplicationMessage(MSG& message, bool& handled) {
    if (message.hwnd != frame::Application::Instance().Handle()) return;
    if (m_broadcastMessage != 0 && message.message == m_broadcastMessage) {
        if (!TagInLowByte(message.wParam)) return;
        if (ConstructionScope::Underway()) {
            Hold(message.hwnd, message.message, message.wParam, message.lParam);
            handled = true;
            return;
        }
        if (((message.wParam >> 8) & 0xFF) == msg::kSettingsChangedCommand) Raise(m_events.settingsChanged);
        handled = true;
    } else if (message.message == WM_SYSCOMMAND && message.wParam == SC_CLOSE) {
        Raise(m_events.hideRequested);
        handled = true;
    }
}

// The data lives only during the call: the name is copied out here. A name
// longer than any profile's, or with a zero inside, is refused before the
// controller sees it; a request that cannot wait for start-up to end is
// told the program is busy.
LRESULT TMainForm::TakeProfileRequest(HWND requester, const COPYDATASTRUCT* data) const {
    if (!data || !m_events.profileRequest) return 0;
    if (data->dwData != msg::kListProfiles && data->dwData != msg::kLoadProfile && data->dwData != msg::kApplyProfile)
        return 0;
    if (ConstructionScope::Underway()) return msg::kRequestBusy;
    if (data->cbData > msg::kMaxProfileName + 1 || (data->cbData > 0 && !data->lpData)) return msg::kNameRefused;
    std::string name(static_cast<const char*>(data->lpData), data->cbData);
    while (!name.empty() && name.back() == '\0') name.pop_back();
    if (name.find('\0') != std::string::npos) return msg::kNameRefused;
    return m_events.profileRequest(data->dwData, name, requester);
}
