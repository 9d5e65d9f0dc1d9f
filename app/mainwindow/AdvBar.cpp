#include "app/mainwindow/AdvBar.h"

#include "frame/WinControl.h"

#include <algorithm>
#include <utility>

namespace {

int AddHalfAndTruncate(double value) {
    return static_cast<int>(value + 0.5);
}

}  // namespace

AdvBar::~AdvBar() {
    for (frame::Control* control : m_controls)
        if (frame::WinControl* parent = control->Parent()) parent->RemoveControl(control);
}

// Max first, then min: an item without steps (max below min) sits at min.
int AdvBar::Clamped(int position) const {
    return std::max(m_min, std::min(m_max, position));
}

void AdvBar::SetMax(int max) {
    if (max == m_max) return;
    m_max = max;
    SetPosition(m_position);
}

void AdvBar::SetPosition(int position) {
    m_position = Clamped(position);
    m_valueKnown = true;
    SetKnobOffset(PixelFromPosition(m_position));
    Notify();
}

void AdvBar::SetPositionIfDifferent(int position) {
    if (position != m_position) SetPosition(position);
}

void AdvBar::StepUp() {
    SetPositionIfDifferent(m_position + 1);
}

void AdvBar::StepDown() {
    SetPositionIfDifferent(m_position - 1);
}

void AdvBar::StepBy(int steps) {
    SetPositionIfDifferent(m_position + steps);
}

int AdvBar::PixelFromPosition(int position) const {
    const int track = TrackLength();
    if (m_max <= m_min || track <= 0) return 0;
    const int pixel = AddHalfAndTruncate(static_cast<double>(position - m_min) / (m_max - m_min) * track);
    return std::max(0, std::min(track, pixel));
}

int AdvBar::PositionFromPixel(int pixel) const {
    const int track = TrackLength();
    if (track <= 0) return m_min;
    return Clamped(AddHalfAndTruncate(static_cast<double>(pixel) / track * (m_max - m_min) + m_min));
}

void AdvBar::StepTowardPixel(int pixel) {
    const int target = PositionFromPixel(pixel);
    if (target > m_position)
        StepUp();
    else if (target < m_position)
        StepDown();
}

void AdvBar::DragBy(int dx) {
    const int offset = std::max(0, std::min(TrackLength(), KnobOffset() + dx));
    if (offset == KnobOffset()) return;
    SetKnobOffset(offset);
    m_position = PositionFromPixel(offset);
    m_valueKnown = true;
    Notify();
}

void AdvBar::FinishDrag() {
    SetPosition(PositionFromPixel(KnobOffset()));
}

void AdvBar::MakeKnobDraggable(frame::Control& knob, DragAxis axis, frame::MouseMoveEvent moved) {
    knob.OnMouseDown = [this](frame::Control*, frame::MouseButton button, frame::ShiftState, int x, int y) {
        if (button != frame::MouseButton::Left) return;
        m_dragging = true;
        m_dragStart = POINT{x, y};
    };
    knob.OnMouseMove = [this, axis, moved](frame::Control* sender, frame::ShiftState shift, int x, int y) {
        if (moved) moved(sender, shift, x, y);
        if (!m_dragging) return;
        if (!(shift & frame::shift::Left)) {
            EndDrag();
            return;
        }
        DragBy(axis == DragAxis::Right ? x - m_dragStart.x : m_dragStart.y - y);
    };
    knob.OnMouseUp = [this](frame::Control*, frame::MouseButton, frame::ShiftState, int, int) { EndDrag(); };
    knob.OnMouseCaptureLost = [this](frame::Control*) { EndDrag(); };
}

void AdvBar::EndDrag() {
    if (!m_dragging) return;
    m_dragging = false;
    FinishDrag();
}

void AdvBar::SetEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    for (frame::Control* control : m_controls) control->SetEnabled(enabled);
    m_enabled = enabled;
}

void AdvBar::Notify() {
    if (m_displayHeld)
        m_displayBehind = true;
    else
        UpdateDisplay();
    if (OnChange) OnChange();
    if (OnChangeShown) OnChangeShown();
}

void AdvBar::ShowHeldDisplay() {
    m_displayHeld = false;
    if (std::exchange(m_displayBehind, false)) UpdateDisplay();
}

int AdvBar::Left() const {
    return m_controls.empty() ? 0 : m_controls.front()->Left();
}

int AdvBar::Top() const {
    return m_controls.empty() ? 0 : m_controls.front()->Top();
}

bool AdvBar::Visible() const {
    return !m_controls.empty() && m_controls.front()->Visible();
}

void AdvBar::CreateHidden(WidgetHost& parent, int left, int top) {
    m_creatingHidden = true;
    Create(parent, left, top);
    m_creatingHidden = false;
    SetVisible(false);
}

void AdvBar::SetVisible(bool visible) {
    for (frame::Control* control : m_controls) control->SetVisible(visible);
}

RECT AdvBar::Extent() const {
    RECT extent{0, 0, 0, 0};
    for (const frame::Control* control : m_controls) {
        if (!control->Visible()) continue;
        const RECT bounds = control->BoundsRect();
        UnionRect(&extent, &extent, &bounds);
    }
    return extent;
}
