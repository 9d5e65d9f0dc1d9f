#include "kiln/Graphics/ImageLayer.h"

namespace kiln {

ImageLayer::ImageLayer(frame::PixelFormat format) { m_picture.SetPixelFormat(format); }

void ImageLayer::MoveBy(int dx, int dy) {
    m_position.x += dx;
    m_position.y += dy;
    Repaint();
}

void ImageLayer::Repaint() {
    if (OnRepaint) OnRepaint();
}

}  // namespace kiln
