#pragma once
// Stops a control from erasing its background before it paints. A control
// that paints every pixel anyway would otherwise show the erase colour for
// a moment on every repaint.

#include "frame/Control.h"

namespace kiln {

class FlickerEliminator {
public:
    FlickerEliminator() = default;
    ~FlickerEliminator() { Detach(); }
    FlickerEliminator(const FlickerEliminator&) = delete;
    FlickerEliminator& operator=(const FlickerEliminator&) = delete;

    // Attaching a second time without Detach is a programming error.
    void Attach(frame::Control* control);
    void Detach();

private:
    void WindowProc(frame::Message& message);

    frame::Control* m_control = nullptr;
    frame::WindowProcedure m_previous;
};

}  // namespace kiln
