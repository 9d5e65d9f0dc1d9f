#pragma once
// What a press on a shaped form's background picture does. The default,
// TNormalDrag, moves the form with the mouse, since a borderless form has
// no caption to grab.

#include "frame/Types.h"

namespace frame {
class Form;
class Image;
}  // namespace frame

namespace kiln {

class TDragDelegate {
public:
    TDragDelegate() = default;
    virtual ~TDragDelegate() = default;
    TDragDelegate(const TDragDelegate&) = delete;
    TDragDelegate& operator=(const TDragDelegate&) = delete;

    // Attaching twice is a programming error.
    void Attach(frame::Form* form, frame::Image* image);
    void Detach();
    bool IsAttached() const { return m_image != nullptr; }

protected:
    virtual void AttachHook(frame::Image* image) = 0;
    virtual void DetachHook(frame::Image* image) = 0;

    frame::Form* m_form = nullptr;
    frame::Image* m_image = nullptr;
};

class TNormalDrag : public TDragDelegate {
protected:
    void AttachHook(frame::Image* image) override;
    void DetachHook(frame::Image* image) override;

private:
    void MouseDown(frame::Control* sender, frame::MouseButton button, frame::ShiftState shift, int x, int y);

    frame::MouseEvent m_previous;
};

}  // namespace kiln
