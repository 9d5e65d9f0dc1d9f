#include "kiln/Graphics/ShadowImage.h"

#include "kiln/Graphics/PngReader.h"

#include <utility>

namespace kiln {

void BlackenShadowImage(frame::Bitmap& bitmap, const std::string& name) {
    LoadOwnPng(GetResourceFolder() + name, bitmap);
    for (int row = 0; row < bitmap.Height(); ++row) {
        uint8_t* pixel = bitmap.ScanLine(row);
        for (int x = 0; x < bitmap.Width(); ++x, pixel += 4) {
            if (pixel[3] != 0) pixel[0] = pixel[1] = pixel[2] = 0;
        }
    }
    bitmap.Changed();
}

void ShadowMask::Load(const std::string& name) {
    // Only the alpha is kept, which blackening leaves alone: decoded into
    // no bitmap at all, the large shadow pictures cost a quarter of the
    // memory a start touches for them.
    AlphaPicture picture;
    LoadPngAlpha(GetResourceFolder() + name, picture);
    m_width = picture.width;
    m_height = picture.height;
    m_alpha = std::move(picture.alpha);
}

void ShadowMask::Fill(frame::Bitmap& bitmap) const {
    bitmap.Reshape(m_width, m_height, frame::PixelFormat::Bits32);
    for (int row = 0; row < m_height; ++row) {
        uint8_t* pixel = bitmap.ScanLine(row);
        const uint8_t* alpha = m_alpha.data() + static_cast<size_t>(row) * static_cast<size_t>(m_width);
        for (int x = 0; x < m_width; ++x, pixel += 4) pixel[3] = alpha[x];
    }
    bitmap.Changed();
}

}  // namespace kiln
