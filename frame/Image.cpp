#include "frame/Image.h"

namespace frame {

Image::Image() {
    m_picture.OnChange = [this](Bitmap&) { PictureChanged(); };
}

void Image::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    FitToPicture();
}

void Image::FitToPicture() {
    if (m_autoSize && !m_picture.Empty()) SetBounds(Left(), Top(), m_picture.Width(), m_picture.Height());
}

void Image::PictureChanged() {
    FitToPicture();
    Invalidate();
}

void Image::Paint(Canvas& canvas) {
    if (m_picture.Empty()) return;
    canvas.Draw(0, 0, m_picture);
}

}  // namespace frame
