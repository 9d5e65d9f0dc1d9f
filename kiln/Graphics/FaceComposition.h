#pragma once
// Soft-edged button faces are blended once over the window background they
// will sit on, so that drawing them later is a plain opaque copy.

#include "frame/Bitmap.h"

namespace kiln {

// A 32-bit picture of `face`'s size: the face (32-bit, straight alpha)
// blended over the part of `background` (24 or 32 bits) that lies under it
// when placed at (x, y), every alpha byte 0. Channels are truncated; where
// the face reaches beyond the background it is blended over black.
frame::Bitmap ComposeOverBackground(const frame::Bitmap& face, const frame::Bitmap& background, int x, int y);
// The same into `composed`, whose memory is reused when it has the shape.
void ComposeOverBackground(const frame::Bitmap& face, const frame::Bitmap& background, int x, int y,
                           frame::Bitmap& composed);

}  // namespace kiln
