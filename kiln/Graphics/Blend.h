#pragma once
// Source-over blending of a 32-bit picture with straight alpha onto a 24- or
// 32-bit destination, used wherever a soft-edged picture must sit on a
// background that GDI cannot blend for us exactly.

#include "kiln/Graphics/PixelView.h"

#include <windows.h>

namespace kiln {

// Blends the source rectangle (source coordinates) onto destination at
// (x, y) with an extra overall opacity. Channels are truncated; the
// destination's own alpha bytes stay as they were. The part that falls
// outside the destination is clipped; the source must cover the rest.
void Blend(const PixelView& source, const RECT& sourceRect, const PixelView& destination, int x, int y,
           BYTE opacity);

}  // namespace kiln
