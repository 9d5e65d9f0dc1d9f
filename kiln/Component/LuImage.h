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
    void SetAlphaChannel(bool on);
    void SetAlphaBlend(bool on);
    void SetAlphaValue(BYTE value);

    void Paint(frame::Canvas& canvas) override;

private:
    bool m_alphaChannel = false;
    bool m_alphaBlend = false;
    BYTE m_alphaValue = 255;
};

}  // namespace kiln
