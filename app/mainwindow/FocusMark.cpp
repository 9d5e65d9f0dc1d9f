#include "app/mainwindow/FocusMark.h"

#include "base/Handles.h"
#include "frame/Canvas.h"

FocusMark::FocusMark() {
    SetName("FocusMark");
    SetEnabled(false);
    SetVisible(false);
}

void FocusMark::Surround(const RECT& bounds) {
    SetBounds(bounds.left - kMargin, bounds.top - kMargin, bounds.right - bounds.left + 2 * kMargin,
              bounds.bottom - bounds.top + 2 * kMargin);
    SetVisible(true);
}

// Only the outline: the controls below show through the inside.
void FocusMark::Paint(frame::Canvas& canvas) {
    const base::GdiBrush brush(CreateSolidBrush(kColor));
    RECT outer{0, 0, Width(), Height()};
    FrameRect(canvas.Handle(), &outer, brush.Get());
    RECT inner{1, 1, Width() - 1, Height() - 1};
    FrameRect(canvas.Handle(), &inner, brush.Get());
}
