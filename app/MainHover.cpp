#include "app/MainHover.h"

void HoverTracker::SetTarget(HoverSlot slot) {
    if (slot.control == m_slot.control) return;
    if (m_slot.leave) m_slot.leave(m_slot.control);
    m_slot = std::move(slot);
}

void HoverTracker::MouseMoved(WPARAM keys, LPARAM position) {
    // While the left button is held the slider is being dragged and keeps
    // the hover look even outside its area.
    if ((keys & MK_LBUTTON) || !m_slot.isOutside) return;
    const int x = LOWORD(position);
    const int y = HIWORD(position);
    frame::Control* control = m_slot.control;
    const int left = control ? control->Left() : 0;
    const int top = control ? control->Top() : 0;
    if (!m_slot.isOutside(control, POINT{x - left, y - top})) return;
    // Clear first: a leave callback that registers again must not be undone.
    HoverSlot departed = std::exchange(m_slot, HoverSlot{});
    if (departed.leave) departed.leave(control);
}
