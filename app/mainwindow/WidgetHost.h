#pragma once
// What the main window's widgets take from the window they sit on: the form
// their controls are placed on, the pictures the window is drawn from and
// its hover tracking. The main form provides it; a widget needs nothing
// else of the window, so widgets never reach back to it or to the
// controller behind it.

#include "app/MainHover.h"
#include "frame/Form.h"

namespace frame {
class Image;
}

namespace kiln {
class AccessibleWindow;
}

class WidgetHost {
public:
    // The form the widgets' controls are children of.
    virtual frame::Form& Surface() = 0;

    // The visible face, which takes a copy of one of the three backgrounds.
    virtual frame::Image* Background() const = 0;
    // Hidden holders of the window's built-in pictures.
    virtual frame::Image* SmallBk() const = 0;
    virtual frame::Image* MiddleBk() const = 0;
    virtual frame::Image* LargeBk() const = 0;
    virtual frame::Image* CoreBk() const = 0;
    virtual frame::Image* ComboBoxBody() const = 0;
    virtual frame::Image* ComboBoxBottom() const = 0;

    // The one control the pointer lights up, told when the pointer leaves it.
    virtual void SetHoverTarget(HoverSlot slot) = 0;
    virtual frame::Control* HoverTarget() const = 0;

    // Who answers screen readers' questions about the window's client area
    // (WM_GETOBJECT); nullptr to stop answering.
    virtual void AnswerAccessibilityWith(kiln::AccessibleWindow* accessible) = 0;

protected:
    ~WidgetHost() = default;
};
