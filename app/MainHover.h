#pragma once
// The main window's one hover-tracking slot. A slider that lights up under
// the pointer registers itself here; the main window then tells it when the
// pointer has left its hover area, which the slider cannot see by itself
// once the pointer is over the main window's background.

#include "frame/Control.h"

#include <functional>

struct HoverSlot {
    frame::Control* control = nullptr;
    // True when the point (relative to the control's top-left corner) lies
    // outside the control's hover area.
    std::function<bool(frame::Control* control, POINT point)> isOutside;
    std::function<void(frame::Control* control)> leave;
};

class HoverTracker {
public:
    // Registering the control already tracked keeps the stored callbacks;
    // any other control first lets the tracked one leave.
    void SetTarget(HoverSlot slot);
    // A mouse move over the main window itself (client coordinates in
    // lParam, key state in wParam).
    void MouseMoved(WPARAM keys, LPARAM position);
    void Clear() { m_slot = HoverSlot{}; }
    frame::Control* Target() const { return m_slot.control; }

private:
    HoverSlot m_slot;
};
