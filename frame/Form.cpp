#include "frame/Form.h"

#include "frame/Application.h"
#include "frame/Exception.h"

#include <vector>

namespace frame {
namespace {

// Disables the given thread's enabled top-level windows (other than `keep`)
// and enables them again when it goes out of scope.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND keep) : m_keep(keep) {
        EnumThreadWindows(GetCurrentThreadId(), &DisabledWindows::Visit, reinterpret_cast<LPARAM>(this));
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;
    ~DisabledWindows() {
        for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
            if (IsWindow(*it)) EnableWindow(*it, TRUE);
    }

private:
    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        auto* list = reinterpret_cast<DisabledWindows*>(self);
        if (window != list->m_keep && IsWindowEnabled(window)) {
            list->m_windows.push_back(window);
            EnableWindow(window, FALSE);
        }
        return TRUE;
    }

    HWND m_keep;
    std::vector<HWND> m_windows;
};

}  // namespace

Form::Form() {
    Control::SetVisible(false);
    m_width = m_clientWidth;
    m_height = m_clientHeight;
}

Form::~Form() {
    Application& app = Application::Instance();
    if (app.MainForm() == this) app.SetMainForm(nullptr);
}

DWORD Form::Style() const {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (m_borderStyle) {
    case frame::BorderStyle::None: style |= WS_POPUP; break;
    case frame::BorderStyle::Single: style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_BORDER; break;
    case frame::BorderStyle::Sizeable: style |= WS_OVERLAPPEDWINDOW; break;
    case frame::BorderStyle::Dialog: style |= WS_POPUP | WS_CAPTION | WS_SYSMENU; break;
    }
    return style;
}

DWORD Form::ExStyle() const {
    DWORD exStyle = 0;
    if (m_borderStyle == frame::BorderStyle::Dialog) exStyle |= WS_EX_DLGMODALFRAME;
    if (m_formStyle == frame::FormStyle::StayOnTop) exStyle |= WS_EX_TOPMOST;
    return exStyle;
}

SIZE Form::WindowSizeFor(int clientWidth, int clientHeight) const {
    RECT rect{0, 0, clientWidth, clientHeight};
    if (HandleAllocated()) {
        HWND window = const_cast<Form*>(this)->Handle();
        AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    } else {
        AdjustWindowRectEx(&rect, Style(), FALSE, ExStyle());
    }
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void Form::CreateParams(WindowParams& params) {
    params.caption = Text();
    params.className = "FrameForm";
    params.style = Style();
    params.exStyle = ExStyle();
    SIZE size = WindowSizeFor(m_clientWidth, m_clientHeight);
    params.width = size.cx;
    params.height = size.cy;
    if (m_position == FormPosition::ScreenCenter) {
        params.x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
        params.y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    } else {
        params.x = m_left;
        params.y = m_top;
    }
    params.wndParent = Application::Instance().Handle();
}

int Form::ClientWidth() const {
    return HandleAllocated() ? WinControl::ClientWidth() : m_clientWidth;
}

int Form::ClientHeight() const {
    return HandleAllocated() ? WinControl::ClientHeight() : m_clientHeight;
}

int Form::Width() const {
    return HandleAllocated() ? WinControl::Width() : WindowSizeFor(m_clientWidth, m_clientHeight).cx;
}

int Form::Height() const {
    return HandleAllocated() ? WinControl::Height() : WindowSizeFor(m_clientWidth, m_clientHeight).cy;
}

void Form::SetClientSize(int width, int height) {
    m_clientWidth = width;
    m_clientHeight = height;
    SIZE size = WindowSizeFor(width, height);
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    else {
        m_width = size.cx;
        m_height = size.cy;
    }
}

void Form::SetBounds(int left, int top, int width, int height) {
    if (!HandleAllocated()) {
        // The window is made from the client size: keep it in step.
        SIZE frame = WindowSizeFor(0, 0);
        m_clientWidth = width - frame.cx;
        m_clientHeight = height - frame.cy;
    }
    WinControl::SetBounds(left, top, width, height);
}

void Form::CenterOnScreen() {
    SIZE size{Width(), Height()};
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2, size.cx,
              size.cy);
}

void Form::SetBorderStyle(frame::BorderStyle style) {
    if (style == m_borderStyle) return;
    int clientWidth = ClientWidth();
    int clientHeight = ClientHeight();
    m_borderStyle = style;
    if (HandleAllocated()) {
        HWND window = Handle();
        DWORD keep = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) &
                     ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER);
        SetWindowLongA(window, GWL_STYLE, static_cast<LONG>(keep | Style()));
        DWORD exKeep = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)) & ~WS_EX_DLGMODALFRAME;
        SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(exKeep | (ExStyle() & WS_EX_DLGMODALFRAME)));
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    SetClientSize(clientWidth, clientHeight);
}

void Form::SetFormStyle(frame::FormStyle style) {
    m_formStyle = style;
    if (HandleAllocated())
        SetWindowPos(Handle(), style == frame::FormStyle::StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::SetVisible(bool visible) {
    Control::SetVisible(visible);
    HWND window = Handle();
    if (visible) {
        ShowWindow(window, SW_SHOW);
        if (m_formStyle == frame::FormStyle::StayOnTop)
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        ShowWindow(window, SW_HIDE);
    }
}

void Form::ShowNoActivate() {
    Control::SetVisible(true);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

void Form::Close() {
    if (m_modal) {
        m_modalResult = modal::Cancel;
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(this, action);
    if (action == CloseAction::None) return;
    if (Application::Instance().MainForm() == this)
        Application::Instance().Terminate();
    else
        Hide();
}

int Form::ShowModal() {
    if (m_modal || Visible()) throw Exception("Cannot make a visible window modal", ErrorKind::InvalidOperation);
    Application& app = Application::Instance();
    if (GetCapture()) ReleaseCapture();
    HWND window = Handle();
    m_modal = true;
    m_modalResult = modal::None;
    HWND previousActive = GetActiveWindow();
    // A hidden form was disabled along with everything else when an outer
    // modal loop began; shown modally from inside it, it must take input.
    const bool disabledByOuterLoop = !IsWindowEnabled(window);
    if (disabledByOuterLoop) EnableWindow(window, TRUE);
    {
        DisabledWindows others(window);
        Show();
        while (m_modalResult == modal::None) {
            if (!app.HandleMessage()) {
                if (m_modalResult == modal::None) m_modalResult = modal::Cancel;
                break;
            }
            if (!Visible() && m_modalResult == modal::None) m_modalResult = modal::Cancel;
        }
        // Enable the others before hiding, so activation goes back to them
        // rather than to some other program.
    }
    Hide();
    if (disabledByOuterLoop) EnableWindow(window, FALSE);
    if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
    m_modal = false;
    return m_modalResult;
}

void Form::Dispatch(Message& message) {
    switch (message.msg) {
    case WM_CLOSE:
        Close();
        message.result = 0;
        return;
    case WM_SHOWWINDOW:
        // lParam 0: ShowWindow was called on this window itself, whoever
        // called it. Hiding while the application minimises keeps Visible().
        if (message.lParam == 0 && !Application::Instance().ChangingMinimizedState())
            SetVisibleFlag(message.wParam != 0);
        if (message.wParam)
            DoShow();
        else
            DoHide();
        break;
    default: break;
    }
    WinControl::Dispatch(message);
}

void Form::Paint(Canvas& canvas) {
    if (OnPaint) OnPaint(this, canvas);
}

void Form::DoShow() {
    if (OnShow) OnShow(this);
}

void Form::DoHide() {
    if (OnHide) OnHide(this);
}

}  // namespace frame
