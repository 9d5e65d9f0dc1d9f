#pragma once
// An image that can draw a 32-bit picture with its per-pixel alpha over
// whatever its parent painted below it, optionally at an overall opacity.

#include "frame/Image.h"

namespace kiln {

class LuImage : public frame::Image {
public:
    LuImage();

    // Copies the picture.
    void SetPicture(const frame::Bitmap& picture) { Picture().Assign(picture); }
    bool AlphaChannel() const { return m_alphaChannel; }
    void SetAlphaChannel(bool on);
    bool AlphaBlend() const { return m_alphaBlend; }
    void SetAlphaBlend(bool on);
    BYTE AlphaValue() const { return m_alphaValue; }
    void SetAlphaValue(BYTE value);

    void Paint(frame::Canvas& canvas) override;

private:
    bool m_alphaChannel = false;
    bool m_alphaBlend = false;
    BYTE m_alphaValue = 255;
};

}  // namespace kiln
