#include "frame/Control.h"

#include "frame/Application.h"
#include "frame/Canvas.h"
#include "frame/Form.h"
#include "frame/RepaintMarks.h"
#include "frame/WinControl.h"

#include <windowsx.h>

namespace frame {

Control::Control() : m_windowProc([this](Message& message) { WndProc(message); }) {
    m_font.OnChange = [this](frame::Font&) { PropertiesChanged(); };
}

void Control::SetName(const std::string& name) {
    m_name = name;
    NameChanged();
}

Control::~Control() {
    Application::Instance().Hints().Remove(this);
}

Form* Control::ParentForm() const {
    for (WinControl* parent = m_parent; parent; parent = parent->Parent())
        if (auto* form = dynamic_cast<Form*>(parent)) return form;
    return nullptr;
}

RECT Control::BoundsRect() const {
    return RECT{Left(), Top(), Left() + Width(), Top() + Height()};
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (left == m_left && top == m_top && width == m_width && height == m_height) return;
    const RECT before = BoundsRect();
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    // A control dragged a pixel at a time overlaps its old place: one mark
    // covers both, one round trip to the window server instead of two.
    const RECT after = BoundsRect();
    RECT overlap;
    if (IntersectRect(&overlap, &before, &after)) {
        RECT both;
        UnionRect(&both, &before, &after);
        InvalidateArea(both);
    } else {
        InvalidateArea(before);
        InvalidateArea(after);
    }
    UpdateHintRegistration();
}

POINT Control::ClientToScreen(POINT point) const {
    if (IsWindowed()) {
        auto* self = const_cast<WinControl*>(static_cast<const WinControl*>(this));
        ::ClientToScreen(self->Handle(), &point);
        return point;
    }
    if (!m_parent) return point;
    return m_parent->ClientToScreen(POINT{point.x + Left(), point.y + Top()});
}

POINT Control::ScreenToClient(POINT point) const {
    if (IsWindowed()) {
        auto* self = const_cast<WinControl*>(static_cast<const WinControl*>(this));
        ::ScreenToClient(self->Handle(), &point);
        return point;
    }
    if (!m_parent) return point;
    POINT inParent = m_parent->ScreenToClient(point);
    return POINT{inParent.x - Left(), inParent.y - Top()};
}

void Control::SetVisible(bool visible) {
    if (visible == m_visible) return;
    if (!visible) Invalidate();
    m_visible = visible;
    if (visible) Invalidate();
    UpdateHintRegistration();
}

void Control::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    Invalidate();
}

void Control::SetColor(Color color) {
    if (color == m_color) return;
    m_color = color;
    PropertiesChanged();
}

void Control::SetHint(const std::string& hint) {
    m_hint = hint;
    UpdateHintRegistration();
}

void Control::SetShowHint(bool show) {
    m_showHint = show;
    UpdateHintRegistration();
}

void Control::UpdateHintRegistration() {
    Application::Instance().Hints().Update(this);
}

void Control::Invalidate() {
    InvalidateArea(BoundsRect());
}

void Control::InvalidateArea(const RECT& area) {
    // A hidden window is painted whole when it shows, so marking parts of it
    // now only costs a round trip to the window server.
    if (!m_parent || !m_parent->HandleAllocated() || !IsWindowVisible(m_parent->Handle())) return;
    MarkForRepaint(m_parent->Handle(), area, !m_opaque && m_parent->ErasesBeforePaint());
}

void Control::Repaint() {
    Invalidate();
    Update();
}

void Control::Update() {
    const bool allPainted = PaintMarksNow();
    if (IsWindowed()) {
        // A window marks itself directly, never through the held marks.
        auto* self = static_cast<WinControl*>(this);
        if (self->HandleAllocated()) UpdateWindow(self->Handle());
    } else if (!allPainted && m_parent && m_parent->HandleAllocated()) {
        // The system may also hold areas of its own (a window uncovered).
        UpdateWindow(m_parent->Handle());
    }
}

LRESULT Control::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    Message message{msg, wParam, lParam, 0};
    m_windowProc(message);
    return message.result;
}

void Control::SetWindowProc(WindowProcedure procedure) {
    if (procedure)
        m_windowProc = std::move(procedure);
    else
        m_windowProc = [this](Message& message) { WndProc(message); };
}

void Control::Paint(Canvas&) {}

void Control::Click() {
    if (OnClick) OnClick(this);
}

void Control::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void Control::WndProc(Message& message) {
    Dispatch(message);
}

void Control::Dispatch(Message& message) {
    const int x = GET_X_LPARAM(message.lParam);
    const int y = GET_Y_LPARAM(message.lParam);
    // Only mouse messages carry key flags.
    const bool mouse = message.msg >= WM_MOUSEFIRST && message.msg <= WM_MOUSELAST;
    const ShiftState state = mouse ? ShiftFromMouseKeys(message.wParam) : 0;
    switch (message.msg) {
    case WM_MOUSEMOVE: MouseMove(state, x, y); break;
    case WM_CAPTURECHANGED: MouseCaptureLost(); break;
    case WM_LBUTTONDOWN:
        m_clickPending = true;
        MouseDown(MouseButton::Left, state, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        DblClick();
        MouseDown(MouseButton::Left, state | shift::Double, x, y);
        break;
    case WM_RBUTTONDOWN: MouseDown(MouseButton::Right, state, x, y); break;
    case WM_RBUTTONDBLCLK: MouseDown(MouseButton::Right, state | shift::Double, x, y); break;
    case WM_MBUTTONDOWN: MouseDown(MouseButton::Middle, state, x, y); break;
    case WM_MBUTTONDBLCLK: MouseDown(MouseButton::Middle, state | shift::Double, x, y); break;
    case WM_LBUTTONUP: {
        const bool click = m_clickPending && x >= 0 && y >= 0 && x < Width() && y < Height();
        m_clickPending = false;
        MouseUp(MouseButton::Left, state, x, y);
        if (click) Click();
        break;
    }
    case WM_RBUTTONUP: MouseUp(MouseButton::Right, state, x, y); break;
    case WM_MBUTTONUP: MouseUp(MouseButton::Middle, state, x, y); break;
    default: break;
    }
    DefaultHandler(message);
}

void Control::DefaultHandler(Message& message) {
    message.result = 0;
}

void Control::MouseDown(MouseButton button, ShiftState state, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, state, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState state, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, state, x, y);
}

void Control::MouseMove(ShiftState state, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, state, x, y);
}

void Control::MouseCaptureLost() {
    if (OnMouseCaptureLost) OnMouseCaptureLost(this);
}

void Control::PropertiesChanged() {
    Invalidate();
}

}  // namespace frame
