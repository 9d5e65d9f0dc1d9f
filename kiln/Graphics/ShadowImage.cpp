#include "kiln/Graphics/ShadowImage.h"

#include "kiln/Graphics/PngReader.h"

#include <utility>

namespace kiln {

void BlackenShadowImage(frame::Bitmap& bitmap, const std::string& name) {
    bitmap.SetPixelFormat(frame::PixelFormat::Bits32);
    LoadPng(GetResourceFolder() + name, bitmap);
    for (int row = 0; row < bitmap.Height(); ++row) {
        uint8_t* pixel = bitmap.ScanLine(row);
        for (int x = 0; x < bitmap.Width(); ++x, pixel += 4) {
            if (pixel[3] != 0) pixel[0] = pixel[1] = pixel[2] = 0;
        }
    }
    bitmap.Changed();
}

void ShadowMask::Load(const std::string& name) {
    // Only the alpha is kept, which blackening leaves alone: the decoded
    // pixels are read where they are, shared with the start-up's decodes,
    // rather than copied to be blackened first.
    frame::Bitmap picture;
    LoadPng(GetResourceFolder() + name, picture);
    m_alpha.resize(static_cast<size_t>(picture.Width()) * static_cast<size_t>(picture.Height()));
    for (int row = 0; row < picture.Height(); ++row) {
        const uint8_t* pixel = std::as_const(picture).ScanLine(row);
        uint8_t* alpha = m_alpha.data() + static_cast<size_t>(row) * static_cast<size_t>(picture.Width());
        for (int x = 0; x < picture.Width(); ++x, pixel += 4) alpha[x] = pixel[3];
    }
    m_width = picture.Width();
    m_height = picture.Height();
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
