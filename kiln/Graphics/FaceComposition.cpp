#include "kiln/Graphics/FaceComposition.h"

#include "kiln/Graphics/BitmapView.h"
#include "kiln/Graphics/Blend.h"

#include <algorithm>

namespace kiln {

frame::Bitmap ComposeOverBackground(const frame::Bitmap& face, const frame::Bitmap& background, int x, int y) {
    frame::Bitmap composed;
    ComposeOverBackground(face, background, x, y, composed);
    return composed;
}

void ComposeOverBackground(const frame::Bitmap& face, const frame::Bitmap& background, int x, int y,
                           frame::Bitmap& composed) {
    composed.Reshape(face.Width(), face.Height(), frame::PixelFormat::Bits32);
    const PixelView target = ViewOf(composed);
    const PixelView under = ReadViewOf(background);
    for (int row = 0; row < target.height && !under.Empty(); ++row) {
        const int by = y + row;
        if (by < 0 || by >= under.height) continue;
        const int first = std::max(0, -x), end = std::min(target.width, under.width - x);
        for (int column = first; column < end; ++column)
            std::copy_n(under.Pixel(x + column, by), 3, target.Pixel(column, row));
    }
    Blend(ReadViewOf(face), RECT{0, 0, face.Width(), face.Height()}, target, 0, 0, 255);
    for (int row = 0; row < target.height; ++row)
        for (int column = 0; column < target.width; ++column) target.Pixel(column, row)[3] = 0;
    composed.Changed();
}

}  // namespace kiln
