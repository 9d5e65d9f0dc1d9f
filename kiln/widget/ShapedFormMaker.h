#pragma once
// Turns a framework form into a borderless window shaped like its background
// picture: the form takes the picture's size, pixels of the picture's
// transparent colour (its bottom-left pixel) become see-through, and the
// form is moved by dragging the picture.

#include "frame/Types.h"
#include "kiln/widget/DragDelegate.h"

#include <memory>

namespace frame {
class Form;
class Image;
}  // namespace frame

namespace kiln {

class TShapedFormMaker {
public:
    TShapedFormMaker() = default;
    // Detaches: the drag handler it put on the picture points back at it.
    virtual ~TShapedFormMaker();
    TShapedFormMaker(const TShapedFormMaker&) = delete;
    TShapedFormMaker& operator=(const TShapedFormMaker&) = delete;

    // Shapes the form that `image` sits on. False, and nothing changed, when
    // there is no image or it is on no form; attaching twice is a
    // programming error.
    bool Attach(frame::Image* image);
    bool IsAttached() const { return m_form != nullptr && m_image != nullptr; }
    // Gives the picture back the press handler it had before; the form keeps
    // its shape. The picture must still exist: a maker that may outlive its
    // form is detached while the form lives.
    void Detach();
    frame::Form* Form() const { return m_form; }

    virtual void ApplyToForm(frame::Form* form, frame::Image* image) = 0;
    virtual void RemoveFromWindow(HWND window) = 0;
    virtual void PrepareForm();
    virtual void SetTransparentColor(frame::Color color) = 0;
    virtual frame::Color TransparentColor() const = 0;
    // None means the default drag, TNormalDrag.
    virtual std::unique_ptr<TDragDelegate> CreateDragDelegate() { return nullptr; }

protected:
    frame::Form* m_form = nullptr;
    frame::Image* m_image = nullptr;
    std::unique_ptr<TDragDelegate> m_drag;
};

}  // namespace kiln
