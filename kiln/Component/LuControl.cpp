#include "kiln/Component/LuControl.h"

#include <oleacc.h>
#include <windowsx.h>

namespace kiln {
namespace {

bool IsPressKey(WPARAM key) { return key == VK_SPACE || key == VK_RETURN; }

}  // namespace

LuControl::LuControl(bool clicksDisabled) : m_clicksDisabled(clicksDisabled) {
    SetOpaque(true);
    SetTabStop(true);
}

LuControl::~LuControl() = default;

void LuControl::CreateParams(frame::WindowParams& params) {
    frame::WinControl::CreateParams(params);
    params.className = ClassName();
    if (TabStop()) params.style |= WS_TABSTOP;
}

bool LuControl::HitTest(int x, int y) { return x >= 0 && y >= 0 && x < ClientWidth() && y < ClientHeight(); }

void LuControl::ShowReleased() {
    if (HoverShown() || Focused())
        ShowFocused();
    else
        ShowRaised();
}

void LuControl::ShowPressed() {
    if (!Focused() && TabStop()) SetFocus();
    ShowSunken();
}

void LuControl::CancelPress() {
    if (!Pressed()) return;
    ShowReleased();
    m_keyPressed = false;
    m_mousePressed = false;
}

void LuControl::CancelHover() {
    if (!m_mouseInside) return;
    m_mouseInside = false;
    if (!m_mousePressed && !Focused() && m_showMouseOver) ShowRaised();
}

void LuControl::PointerEntered(bool leftHeld) {
    if (leftHeld) {
        ShowPressed();
        m_mousePressed = true;
    } else if (m_showMouseOver && !Focused()) {
        ShowFocused();
    }
    m_mouseInside = true;
    if (OnMouseEnter) OnMouseEnter(this);
}

void LuControl::PointerLeft() {
    m_mouseInside = false;
    if (m_mousePressed) {
        // Dragged out while pressed: the press ends here, the leave is silent.
        m_mousePressed = false;
        if (!m_keyPressed) ShowReleased();
        return;
    }
    if (!Focused() && m_showMouseOver) ShowRaised();
    if (OnMouseLeave) OnMouseLeave(this);
}

void LuControl::TrackLeave() {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
}

void LuControl::MouseDown(frame::MouseButton button, frame::ShiftState shift, int x, int y) {
    if (button == frame::MouseButton::Left && HitTest(x, y) && !m_clicksDisabled) {
        // Keep the release and drags outside coming here, as a push button does.
        SetCapture(Handle());
        m_mousePressed = true;
        if (!m_keyPressed) ShowPressed();
    }
    frame::WinControl::MouseDown(button, shift, x, y);
}

void LuControl::MouseUp(frame::MouseButton button, frame::ShiftState shift, int x, int y) {
    if (button == frame::MouseButton::Left) {
        if (GetCapture() == Handle()) ReleaseCapture();
        if (!m_clicksDisabled) {
            if (!m_keyPressed && m_mousePressed) ShowReleased();
            m_mousePressed = false;
        }
    }
    frame::WinControl::MouseUp(button, shift, x, y);
}

void LuControl::MouseMove(frame::ShiftState shift, int x, int y) {
    if (m_showMouseOver || !m_clicksDisabled) {
        TrackLeave();
        const bool hit = HitTest(x, y);
        if (hit && !m_mouseInside)
            PointerEntered((shift & frame::shift::Left) != 0);
        else if (!hit && m_mouseInside)
            PointerLeft();
    }
    frame::WinControl::MouseMove(shift, x, y);
}

void LuControl::MouseLeft() {
    if (m_mouseInside) PointerLeft();
}

void LuControl::FocusGained() {
    if (!Enabled()) return;
    if (!Pressed() && !HoverShown()) ShowFocused();
}

void LuControl::FocusLost() {
    if (!Enabled()) return;
    if (Pressed()) {
        if (!m_mousePressed) {
            ShowReleased();
            m_keyPressed = false;
        }
    } else if (!HoverShown()) {
        ShowRaised();
    }
}

void LuControl::KeyDown(WPARAM key) {
    if (!IsPressKey(key) || m_clicksDisabled) return;
    m_keyPressed = true;
    if (!m_mousePressed) ShowPressed();
}

void LuControl::KeyUp(WPARAM key) {
    if (!IsPressKey(key) || m_clicksDisabled) return;
    if (m_mousePressed) {
        // The mouse still holds the control down, so the face stays; but the
        // key is up, and a stale flag would swallow every later mouse press.
        m_keyPressed = false;
        return;
    }
    const bool wasPressed = m_keyPressed;
    if (wasPressed) ShowReleased();
    m_keyPressed = false;
    // Space works like a click of the mouse, as on any push button.
    if (wasPressed && key == VK_SPACE) Click();
}

void LuControl::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    // The window first: disabling it takes the focus away, and the focus
    // loss must not paint over the disabled face shown below.
    frame::WinControl::SetEnabled(enabled);
    if (enabled) {
        ShowRaised();
    } else {
        CancelPress();
        CancelHover();
        ShowDisabled();
    }
}

void LuControl::Click() {
    if (!CanClick()) return;
    frame::WinControl::Click();
}

void LuControl::SetShowMouseOver(bool show) {
    if (m_showMouseOver && !show) CancelHover();
    m_showMouseOver = show;
}

void LuControl::SetClicksDisabled(bool disabled) {
    if (m_clicksDisabled && !disabled) CancelPress();
    m_clicksDisabled = disabled;
}

long LuControl::AccessibleRole() const {
    return ROLE_SYSTEM_PUSHBUTTON;
}

// A control drawn without a caption (a close button) is named by its hint.
bool LuControl::DescribeSelf(AccessibleFacts& facts) const {
    facts.role = m_accessibleRole != 0 ? m_accessibleRole : AccessibleRole();
    facts.name = !m_accessibleName.empty() ? m_accessibleName : !Text().empty() ? Text() : Hint();
    facts.state = AccessibleState();
    facts.defaultAction = "Press";
    return true;
}

void LuControl::AccessibleStateChanged() {
    if (HandleAllocated()) NotifyWinEvent(EVENT_OBJECT_STATECHANGE, Handle(), OBJID_CLIENT, CHILDID_SELF);
}

void LuControl::Dispatch(frame::Message& message) {
    if (message.msg == WM_GETOBJECT && static_cast<LONG>(message.lParam) == OBJID_CLIENT) {
        AccessibleContent& content = *this;
        if (!m_accessible) m_accessible = std::make_unique<AccessibleWindow>(Handle(), content);
        message.result = m_accessible->Answer(message.wParam);
        return;
    }
    if (message.msg == WM_LBUTTONUP) {
        // The framework clicks on a release anywhere in the window's
        // rectangle; with the mouse captured that includes the cut-out parts
        // of a shaped control, which are not the control.
        m_releasedOutside = !HitTest(GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam));
        struct Reset {
            bool& flag;
            ~Reset() { flag = false; }
        } reset{m_releasedOutside};
        frame::WinControl::Dispatch(message);
        return;
    }
    switch (message.msg) {
    case WM_MOUSELEAVE: MouseLeft(); break;
    case WM_SETFOCUS: FocusGained(); break;
    case WM_KILLFOCUS: FocusLost(); break;
    case WM_KEYDOWN: KeyDown(message.wParam); break;
    case WM_KEYUP: KeyUp(message.wParam); break;
    default: break;
    }
    frame::WinControl::Dispatch(message);
}

}  // namespace kiln
