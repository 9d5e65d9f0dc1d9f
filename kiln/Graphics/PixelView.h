#pragma once
// A non-owning view of top-down pixel rows, so that the pixel algorithms work
// the same on DIB sections, framework bitmaps and plain buffers.

#include <windows.h>

namespace kiln {

struct PixelView {
    BYTE* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;         // bytes from one row to the next, rows from the top
    int bytesPerPixel = 0;  // 3 (blue, green, red) or 4 (blue, green, red, alpha)

    BYTE* Row(int y) const { return bits + static_cast<ptrdiff_t>(y) * stride; }
    BYTE* Pixel(int x, int y) const { return Row(y) + x * bytesPerPixel; }
    bool Empty() const { return bits == nullptr || width <= 0 || height <= 0; }
};

// Row length in bytes of a DIB of the given width and bit depth (DWORD aligned).
inline int DibStride(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

}  // namespace kiln
