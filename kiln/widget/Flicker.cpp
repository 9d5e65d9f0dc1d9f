#include "kiln/widget/Flicker.h"

#include "base/Diagnostics.h"

namespace kiln {

void FlickerEliminator::Attach(frame::Control* control) {
    BASE_ASSERT(m_control == NULL, "kiln/widget/Source/Flicker");
    m_control = control;
    m_previous = control->WindowProc();
    control->SetWindowProc([this](frame::Message& message) { WindowProc(message); });
}

void FlickerEliminator::Detach() {
    if (!m_control) return;
    m_control->SetWindowProc(std::move(m_previous));
    m_previous = nullptr;
    m_control = nullptr;
}

void FlickerEliminator::WindowProc(frame::Message& message) {
    if (message.msg == WM_ERASEBKGND) {
        message.result = 1;
        return;
    }
    m_previous(message);
}

}  // namespace kiln
