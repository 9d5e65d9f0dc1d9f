#pragma once
// Reading back what is already drawn on a device context, so that pictures
// with soft edges can be blended onto it exactly and written back.

#include "frame/Bitmap.h"

#include <windows.h>

namespace kiln {

// A new 24-bit bitmap of the rectangle's size holding that part of the DC.
frame::Bitmap CaptureRect(HDC dc, const RECT& rect);
// Copies a bitmap back onto the DC with its top-left corner at (x, y).
void PutBitmap(HDC dc, int x, int y, const frame::Bitmap& bitmap);

}  // namespace kiln
