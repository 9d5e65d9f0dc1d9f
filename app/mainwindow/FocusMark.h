#pragma once
// The outline the main window draws around the control the keyboard focus
// stands on: two thin lines in the skin's lit cyan, a few pixels outside the
// control so that windowed controls do not cover it. It never takes the
// mouse (it is disabled, and the window routes the mouse to enabled
// controls only) and must be the window's last windowless control, so that
// it is painted over the others.

#include "frame/GraphicControl.h"

class FocusMark : public frame::GraphicControl {
public:
    static constexpr frame::Color kColor = RGB(60, 231, 249);
    // How far the outline stands outside the control.
    static constexpr int kMargin = 3;

    FocusMark();

    // Shows the mark around `bounds` (the control's, in the window's client
    // coordinates).
    void Surround(const RECT& bounds);

    void Paint(frame::Canvas& canvas) override;
};
