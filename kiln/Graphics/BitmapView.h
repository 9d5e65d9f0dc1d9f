#pragma once
// The pixel rows of a framework bitmap as a PixelView (24 or 32 bits only).

#include "frame/Bitmap.h"
#include "kiln/Graphics/PixelView.h"

namespace kiln {

// Rows to write: they are the bitmap's own from here on (a copy that shared
// them keeps the old picture).
inline PixelView ViewOf(frame::Bitmap& bitmap) {
    if (bitmap.Empty() || bitmap.Format() == frame::PixelFormat::Bits4) return {};
    GdiFlush();
    return PixelView{bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), bitmap.Stride(),
                     bitmap.BitsPerPixel() / 8};
}

// Rows to read only: copies of the bitmap may share them.
inline PixelView ReadViewOf(const frame::Bitmap& bitmap) {
    if (bitmap.Empty() || bitmap.Format() == frame::PixelFormat::Bits4) return {};
    GdiFlush();
    return PixelView{const_cast<BYTE*>(bitmap.ScanLine(0)), bitmap.Width(), bitmap.Height(), bitmap.Stride(),
                     bitmap.BitsPerPixel() / 8};
}

}  // namespace kiln
