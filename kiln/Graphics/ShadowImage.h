#pragma once
// Drop shadows are pushed to per-pixel layered windows, which expect
// premultiplied colours. A shadow picture loaded as pure black with the
// file's own alpha is valid premultiplied data whatever its alpha.

#include "frame/Bitmap.h"

#include <string>

namespace kiln {

// Fills `bitmap` (made 32-bit) from GetResourceFolder() + name and turns the
// colour of every pixel that is not fully transparent black, keeping its
// alpha. A file that cannot be opened raises frame::FileOpenError.
void BlackenShadowImage(frame::Bitmap& bitmap, const std::string& name);

}  // namespace kiln
