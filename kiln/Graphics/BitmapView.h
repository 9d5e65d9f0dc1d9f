#pragma once
// The pixel rows of a framework bitmap as a PixelView (24 or 32 bits only).

#include "frame/Bitmap.h"
#include "kiln/Graphics/PixelView.h"

namespace kiln {

inline PixelView ViewOf(frame::Bitmap& bitmap) {
    if (bitmap.Empty() || bitmap.Format() == frame::PixelFormat::Bits4) return {};
    GdiFlush();
    return PixelView{bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), bitmap.Stride(),
                     bitmap.BitsPerPixel() / 8};
}

}  // namespace kiln
