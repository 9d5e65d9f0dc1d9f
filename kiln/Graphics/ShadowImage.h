#pragma once
// Drop shadows are pushed to per-pixel layered windows, which expect
// premultiplied colours. A shadow picture loaded as pure black with the
// file's own alpha is valid premultiplied data whatever its alpha.

#include "frame/Bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kiln {

// Fills `bitmap` (made 32-bit) from GetResourceFolder() + name and turns the
// colour of every pixel that is not fully transparent black, keeping its
// alpha. A file that cannot be opened raises frame::FileOpenError.
void BlackenShadowImage(frame::Bitmap& bitmap, const std::string& name);

// A blackened shadow picture kept as its alpha channel alone: a quarter of
// the memory of the 32-bit picture, which it gives back when shown. For
// shadows that wait, often for the whole run, until a larger window shows.
class ShadowMask {
public:
    // As BlackenShadowImage; a file that cannot be opened raises
    // frame::FileOpenError and leaves the mask as it was.
    void Load(const std::string& name);
    // The black 32-bit picture (alpha as read), into `bitmap`, whose
    // transparency settings stay.
    void Fill(frame::Bitmap& bitmap) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_alpha;  // rows from the top
};

}  // namespace kiln
