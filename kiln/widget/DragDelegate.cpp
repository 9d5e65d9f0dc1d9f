#include "kiln/widget/DragDelegate.h"

#include "frame/Form.h"
#include "frame/Image.h"
#include "base/Diagnostics.h"

namespace kiln {

void TDragDelegate::Attach(frame::Form* form, frame::Image* image) {
    BASE_ASSERT(!IsAttached(), "kiln/widget/Source/TShapedForm");
    m_form = form;
    m_image = image;
    AttachHook(image);
}

void TDragDelegate::Detach() {
    if (!IsAttached()) return;
    DetachHook(m_image);
    m_form = nullptr;
    m_image = nullptr;
}

void TNormalDrag::AttachHook(frame::Image* image) {
    m_previous = image->OnMouseDown;
    image->OnMouseDown = [this](frame::Control* sender, frame::MouseButton button, frame::ShiftState shift, int x,
                                int y) { MouseDown(sender, button, shift, x, y); };
}

void TNormalDrag::DetachHook(frame::Image* image) {
    image->OnMouseDown = std::move(m_previous);
    m_previous = nullptr;
}

void TNormalDrag::MouseDown(frame::Control* sender, frame::MouseButton button, frame::ShiftState shift, int x,
                            int y) {
    if (button == frame::MouseButton::Left) {
        // Handing the press to the system as a press on a caption starts its
        // own move loop, so the form follows the mouse until release.
        ReleaseCapture();
        SendMessageW(m_form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
    }
    if (m_previous) m_previous(sender, button, shift, x, y);
}

}  // namespace kiln
