#pragma once
// Pixels of the control tests, read and written straight in the bitmaps.

#include "frame/Bitmap.h"
#include "kiln/Graphics/BitmapView.h"
#include "tests/support/Diagnostics.h"

namespace testing_controls {

using testsupport::AssertedCondition;
using testsupport::AssertionStop;

inline COLORREF PixelAt(frame::Bitmap& dib, int x, int y) {
    GdiFlush();
    const BYTE* p = kiln::ViewOf(dib).Pixel(x, y);
    return RGB(p[2], p[1], p[0]);
}

inline void SetPixelAt(frame::Bitmap& dib, int x, int y, COLORREF color, BYTE alpha = 255) {
    BYTE* p = kiln::ViewOf(dib).Pixel(x, y);
    p[0] = GetBValue(color);
    p[1] = GetGValue(color);
    p[2] = GetRValue(color);
    if (dib.BitsPerPixel() == 32) p[3] = alpha;
}

inline void FillColor(frame::Bitmap& dib, COLORREF color, BYTE alpha = 255) {
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x) SetPixelAt(dib, x, y, color, alpha);
}

}  // namespace testing_controls
