#include "frame/Application.h"

#include "frame/Exception.h"
#include "frame/Form.h"
#include "frame/Module.h"
#include "frame/RepaintMarks.h"
#include "base/Diagnostics.h"

namespace frame {
namespace {

constexpr char kAppClass[] = "TApplication";

struct HideVisibleWindows {
    HWND keep;
    std::vector<HWND>* hidden;
};

BOOL CALLBACK HideIfVisible(HWND window, LPARAM data) {
    auto* job = reinterpret_cast<HideVisibleWindows*>(data);
    if (window != job->keep && IsWindowVisible(window)) {
        job->hidden->push_back(window);
        ShowWindow(window, SW_HIDE);
    }
    return TRUE;
}

}  // namespace

Application& Application::Instance() {
    static Application instance;
    return instance;
}

Application::Application() = default;

Application::~Application() {
    // Later forms may refer to earlier ones (a shadow to its main window).
    while (!m_forms.empty()) m_forms.pop_back();
    if (m_handle && !m_hosted) {
        ReleaseWindow(m_handle, nullptr);
        DestroyWindow(m_handle);
    }
}

UINT Application::HookRequestMessage() {
    static const UINT message = RegisterWindowMessageA("FrameApplicationHookRequest");
    return message;
}

void Application::HostIn(HWND programApplicationWindow) {
    m_handle = programApplicationWindow;
    m_hosted = true;
}

void Application::Initialize() {
    if (m_handle) return;

    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExA(ThisModule(), kAppClass, &existing)) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &WindowTrampoline;
        wc.hInstance = ThisModule();
        wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kAppClass;
        if (!RegisterClassExA(&wc)) throw Exception("Cannot register the application window class", ErrorKind::OutOfResources);
    }
    // Zero-sized and never shown except while minimised: it only exists to
    // own the forms and to carry the application's taskbar entry.
    HWND window = CreateWindowExA(0, kAppClass, m_title.c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                  GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                                  nullptr, ThisModule(), LpParam());
    if (!window) throw Exception("Cannot create the application window", ErrorKind::OutOfResources);
    m_handle = window;
}

void Application::SetTitle(const std::string& title) {
    m_title = title;
    if (m_handle) SetWindowTextA(m_handle, title.c_str());
}

void Application::AdoptForm(std::unique_ptr<Form> form) {
    if (!m_mainForm) m_mainForm = form.get();
    m_forms.push_back(std::move(form));
}

void Application::Run() {
    Initialize();
    m_terminated = false;
    if (m_showMainForm && m_mainForm) m_mainForm->Show();
    while (NextMessage(false)) {
    }
}

bool Application::HandleMessage() {
    return NextMessage(true);
}

bool Application::NextMessage(bool passQuitOn) {
    MarkHeldForPaint();
    MSG message;
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        m_terminated = true;
        // A nested loop took the quit message: leave it for the outer one.
        if (got == 0 && passQuitOn) PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    ProcessMessage(message);
    return true;
}

void Application::ProcessMessages() {
    MarkHeldForPaint();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            m_terminated = true;
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ProcessMessage(message);
    }
}

void Application::ProcessMessage(MSG& message) {
    // A hook request carries a pointer: one that was posted is not ours.
    if (message.message == HookRequestMessage()) return;
    m_hints.Relay(message);
    // The hosting program's hooks come first, as they would in its own loop.
    if (m_hosted && SendMessageA(m_handle, HookRequestMessage(), 0, reinterpret_cast<LPARAM>(&message))) return;
    if (RunHooks(message) || MoveFocusOnTab(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

// True when a hook handled the message.
bool Application::RunHooks(MSG& message) {
    if (m_hooks.empty()) return false;
    // A hook may add or remove hooks: walk a snapshot.
    std::vector<MessageHook> hooks;
    hooks.reserve(m_hooks.size());
    for (auto& entry : m_hooks) hooks.push_back(entry.second);
    bool handled = false;
    try {
        for (auto& hook : hooks) {
            hook(message, handled);
            if (handled) break;
        }
    } catch (const std::exception& error) {
        HandleException(error);
        handled = true;
    }
    return handled;
}

bool Application::MoveFocusOnTab(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!root || root == message.hwnd) return false;
    HWND next = GetNextDlgTabItem(root, message.hwnd, GetKeyState(VK_SHIFT) < 0);
    if (!next || next == message.hwnd) return false;
    SetFocus(next);
    return true;
}

void Application::Terminate() {
    m_terminated = true;
    PostQuitMessage(0);
}

void Application::Minimize() {
    if (m_minimized || !m_handle) return;
    m_minimized = true;
    m_hiddenByMinimize.clear();
    HideVisibleWindows job{m_handle, &m_hiddenByMinimize};
    m_changingMinimizedState = true;
    EnumThreadWindows(GetCurrentThreadId(), &HideIfVisible, reinterpret_cast<LPARAM>(&job));
    m_changingMinimizedState = false;
    ShowWindow(m_handle, SW_SHOWMINNOACTIVE);
    if (OnMinimize) OnMinimize();
}

void Application::Restore() {
    if (!m_minimized) return;
    m_minimized = false;
    ShowWindow(m_handle, SW_HIDE);
    m_changingMinimizedState = true;
    for (HWND window : m_hiddenByMinimize)
        if (IsWindow(window)) ShowWindow(window, SW_SHOWNA);
    m_changingMinimizedState = false;
    m_hiddenByMinimize.clear();
    if (m_mainForm && m_mainForm->HandleAllocated() && IsWindowVisible(m_mainForm->Handle()))
        SetForegroundWindow(m_mainForm->Handle());
    if (OnRestore) OnRestore();
}

int Application::AddMessageHook(MessageHook hook) {
    int id = ++m_nextHookId;
    m_hooks.emplace(id, std::move(hook));
    return id;
}

void Application::RemoveMessageHook(int id) {
    m_hooks.erase(id);
}

void Application::HandleException(const std::exception& error) {
    if (OnException)
        OnException(error);
    else
        ShowException(error);
}

void Application::ShowException(const std::exception& error) {
    std::string text = error.what();
    if (!text.empty() && text.back() != '.') text += '.';
    MarkHeldForPaint();
    base::ShowMessage(text.c_str(), m_title.c_str(), MB_OK | MB_ICONSTOP);
}

std::string Application::ExeName() const {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

LRESULT Application::WindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) m_handle = window;
    // Exceptions cannot travel through the system's frames.
    try {
        return HandleAppMessage(msg, wParam, lParam);
    } catch (const std::exception& error) {
        HandleException(error);
    }
    return 0;
}

LRESULT Application::HandleAppMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Only a library's loop in this thread sends this, with a message it
    // retrieved: sends from other threads or processes are refused, and the
    // loops drop posted ones.
    if (msg == HookRequestMessage() && InSendMessageEx(nullptr) == ISMEX_NOSEND)
        return RunHooks(*reinterpret_cast<MSG*>(lParam)) ? 1 : 0;
    switch (msg) {
    case WM_ACTIVATEAPP:
        if (wParam) {
            if (OnActivate) OnActivate();
        } else if (OnDeactivate) {
            OnDeactivate();
        }
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE: Minimize(); return 0;
        case SC_RESTORE: Restore(); return 0;
        case SC_CLOSE:
            if (m_mainForm) m_mainForm->Close();
            return 0;
        default: break;
        }
        break;
    case WM_CLOSE:
        if (m_mainForm)
            m_mainForm->Close();
        else
            Terminate();
        return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
        if (wParam) Terminate();
        return 0;
    default:
        if (OnWindowMessage && OnWindowMessage(msg, wParam, lParam)) return 0;
        break;
    }
    return DefWindowProcA(m_handle, msg, wParam, lParam);
}

}  // namespace frame
