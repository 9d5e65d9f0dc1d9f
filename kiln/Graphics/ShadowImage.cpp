#include "kiln/Graphics/ShadowImage.h"

#include "kiln/Graphics/PngReader.h"

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

}  // namespace kiln
