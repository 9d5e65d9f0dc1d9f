#pragma once
// Pictures for the widget tests, drawn pixel by pixel.

#include "frame/Bitmap.h"
#include "tests/support/Diagnostics.h"

#include <cstdint>

namespace widgettest {

using testsupport::AssertionStop;
using testsupport::ThrowingAsserts;

// Fills a 24-bit picture with `fill` and paints the rectangle `key` (and the
// bottom-left pixel, which makes it the picture's transparent colour) with
// `keyColor`.
inline void PaintPicture(frame::Bitmap& picture, int width, int height, COLORREF fill, COLORREF keyColor,
                         RECT key) {
    picture.SetPixelFormat(frame::PixelFormat::Bits24);
    picture.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const bool inKey = (x >= key.left && x < key.right && y >= key.top && y < key.bottom) ||
                               (x == 0 && y == height - 1);
            const COLORREF c = inKey ? keyColor : fill;
            row[3 * x] = GetBValue(c);
            row[3 * x + 1] = GetGValue(c);
            row[3 * x + 2] = GetRValue(c);
        }
    }
    picture.Changed();
}

}  // namespace widgettest
