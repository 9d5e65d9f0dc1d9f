#include "kiln/Graphics/LayerFormat.h"

namespace kiln {

frame::PixelFormat LayerPixelFormat(int screenBitsPerPixel) {
    return screenBitsPerPixel < 5 ? frame::PixelFormat::Bits4 : frame::PixelFormat::Bits24;
}

frame::PixelFormat ScreenLayerPixelFormat() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    return LayerPixelFormat(bits);
}

}  // namespace kiln
