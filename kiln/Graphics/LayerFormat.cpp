#include "kiln/Graphics/LayerFormat.h"

#include "frame/DCScope.h"

namespace kiln {

frame::PixelFormat LayerPixelFormat(int screenBitsPerPixel) {
    return screenBitsPerPixel < 5 ? frame::PixelFormat::Bits4 : frame::PixelFormat::Bits24;
}

// Asked once per process: the screen's device context costs about ten round
// trips to the window server, and every LED and button made at start asked
// for it. The controls that use it are all made at start.
frame::PixelFormat ScreenLayerPixelFormat() {
    static const frame::PixelFormat format = [] {
        frame::WindowDC screen(nullptr);
        return LayerPixelFormat(GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES));
    }();
    return format;
}

}  // namespace kiln
