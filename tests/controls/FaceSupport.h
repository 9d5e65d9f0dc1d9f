#pragma once
// Face pictures for the control tests: solid colours, so that which face is
// on show can be read from any pixel.

#include "frame/Bitmap.h"

#include <memory>

namespace testing_controls {

inline std::unique_ptr<frame::Bitmap> SolidFace(int width, int height, COLORREF color,
                                               frame::PixelFormat format = frame::PixelFormat::Bits24) {
    auto face = std::make_unique<frame::Bitmap>(width, height, format);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = face->ScanLine(y);
        const int step = format == frame::PixelFormat::Bits32 ? 4 : 3;
        for (int x = 0; x < width; ++x) {
            row[x * step] = GetBValue(color);
            row[x * step + 1] = GetGValue(color);
            row[x * step + 2] = GetRValue(color);
            if (step == 4) row[x * step + 3] = 255;
        }
    }
    face->Changed();
    return face;
}

}  // namespace testing_controls
