#pragma once
// The rectangle painter of owner-drawn lists: fills item backgrounds.

#include "frame/Canvas.h"

namespace kiln {

class TFrameLayout {
public:
    static TFrameLayout& Instance();
    virtual ~TFrameLayout() = default;

    // Fills with the canvas' current brush.
    virtual void Fill(frame::Canvas& canvas, const RECT& rect) { canvas.FillRect(rect); }
};

}  // namespace kiln
