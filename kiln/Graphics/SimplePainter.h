#pragma once
// Draws figures' bitmaps onto an image layer and erases them again.

#include "kiln/Graphics/ImageLayer.h"

namespace kiln {

class SimplePainter {
public:
    explicit SimplePainter(ImageLayer& layer) : m_layer(layer) {}
    SimplePainter(const SimplePainter&) = delete;
    SimplePainter& operator=(const SimplePainter&) = delete;

    // Solid brush and a plain copy: what every draw starts from.
    void Prepare();
    // Copies the whole bitmap to (x, y) with SRCCOPY.
    void CopyBitmap(frame::Bitmap& bitmap, int x, int y);
    void FillBackground(const RECT& rect);

    ImageLayer& Layer() { return m_layer; }

private:
    ImageLayer& m_layer;
};

}  // namespace kiln
