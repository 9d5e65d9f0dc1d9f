#include "kiln/Graphics/Blend.h"

#include "base/Diagnostics.h"

#include <algorithm>

namespace kiln {
namespace {

// The assertion reports the source's size under these names.
struct SourceExtent {
    int Width;
    int Height;
};

}  // namespace

void Blend(const PixelView& source, const RECT& sourceRect, const PixelView& destination, int x, int y,
           BYTE opacity) {
    const SourceExtent extent{source.width, source.height};
    const SourceExtent* src = &extent;
    // Clip in source coordinates: rows r with 0 <= y + r - top < height.
    const int minRow = std::max<int>(sourceRect.top, sourceRect.top - y);
    const int maxRow = std::min<int>(sourceRect.bottom, sourceRect.top - y + destination.height);
    const int minCol = std::max<int>(sourceRect.left, sourceRect.left - x);
    const int maxCol = std::min<int>(sourceRect.right, sourceRect.left - x + destination.width);
    if (minRow >= maxRow || minCol >= maxCol) return;
    BASE_ASSERT(maxRow <= src->Height && maxCol <= src->Width, "kiln/Graphics/Source/GraphicUtil");
    BASE_ASSERT(minRow >= 0 && minCol >= 0, "kiln/Graphics/Source/GraphicUtil");

    const double overall = opacity / 255.0;
    for (int r = minRow; r < maxRow; ++r) {
        const BYTE* s = source.Pixel(minCol, r);
        BYTE* d = destination.Pixel(x + minCol - sourceRect.left, y + r - sourceRect.top);
        for (int c = minCol; c < maxCol; ++c) {
            double a = s[3] / 255.0;
            if (opacity != 255) a *= overall;
            for (int channel = 0; channel < 3; ++channel)
                d[channel] = static_cast<BYTE>(d[channel] * (1.0 - a) + s[channel] * a);
            s += 4;
            d += destination.bytesPerPixel;
        }
    }
}

}  // namespace kiln
