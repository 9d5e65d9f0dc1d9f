#pragma once
// The pixel format of the pictures a bitmap LED draws through: 4 bits on
// screens with fewer than 5 bits per pixel, 24 bits everywhere else.

#include "frame/Bitmap.h"

namespace kiln {

frame::PixelFormat LayerPixelFormat(int screenBitsPerPixel);
// The same for the screen this program runs on.
frame::PixelFormat ScreenLayerPixelFormat();

}  // namespace kiln
