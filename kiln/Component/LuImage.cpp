#include "kiln/Component/LuImage.h"

#include "kiln/Graphics/BitmapView.h"
#include "kiln/Graphics/Blend.h"
#include "kiln/Graphics/CanvasCapture.h"

namespace kiln {

LuImage::LuImage() { SetAutoSize(true); }

void LuImage::SetAlphaChannel(bool on) {
    m_alphaChannel = on;
    Invalidate();
}

void LuImage::SetAlphaBlend(bool on) {
    m_alphaBlend = on;
    Invalidate();
}

void LuImage::SetAlphaValue(BYTE value) {
    m_alphaValue = value;
    if (m_alphaBlend) Invalidate();
}

void LuImage::Paint(frame::Canvas& canvas) {
    frame::Bitmap& picture = Picture();
    if (Width() <= 0 || Height() <= 0 || picture.Empty()) return;
    if (!m_alphaChannel || picture.Format() != frame::PixelFormat::Bits32) {
        canvas.Draw(0, 0, picture);
        return;
    }
    frame::Bitmap below = CaptureRect(canvas.Handle(), RECT{0, 0, Width(), Height()});
    const RECT whole{0, 0, picture.Width(), picture.Height()};
    Blend(ReadViewOf(picture), whole, ViewOf(below), 0, 0, m_alphaBlend ? m_alphaValue : 255);
    PutBitmap(canvas.Handle(), 0, 0, below);
}

}  // namespace kiln
