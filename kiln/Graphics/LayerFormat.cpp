#include "kiln/Graphics/LayerFormat.h"

#include "frame/DCScope.h"

namespace kiln {

frame::PixelFormat LayerPixelFormat(int screenBitsPerPixel) {
    return screenBitsPerPixel < 5 ? frame::PixelFormat::Bits4 : frame::PixelFormat::Bits24;
}

frame::PixelFormat ScreenLayerPixelFormat() {
    frame::WindowDC screen(nullptr);
    return LayerPixelFormat(GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES));
}

}  // namespace kiln
