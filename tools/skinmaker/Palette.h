#pragma once
// The skin's colours. The accents are the text colours the windows already
// use, so labels and artwork read as one design.

#include "tools/skinmaker/Canvas.h"

namespace skinmaker::palette {

inline const Color shapeKey = Rgb(255, 0, 255);
inline const Color closeKey = Rgb(31, 31, 31);

inline const Color cyan = Rgb(104, 221, 255);   // captions, tabs
inline const Color teal = Rgb(40, 254, 216);    // values, units
inline const Color pale = Rgb(155, 230, 253);   // hover captions
inline const Color fill = Rgb(45, 247, 251);    // small slider fill line
inline const Color amber = Rgb(255, 216, 25);   // changed values
inline const Color danger = Rgb(255, 72, 56);
inline const Color lime = Rgb(190, 255, 27);    // group captions
inline const Color white = Rgb(255, 255, 255);

inline const Color bodyTop = Rgb(30, 36, 45);
inline const Color bodyBottom = Rgb(15, 18, 23);
inline const Color rim = Rgb(5, 7, 9);
inline const Color well = Rgb(9, 11, 15);
inline const Color page = Rgb(17, 21, 27);      // flat page panel of the expanded window
inline const Color control = Rgb(38, 46, 57);
inline const Color controlHigh = Rgb(52, 62, 76);
inline const Color disabled = Rgb(64, 68, 74);

} // namespace skinmaker::palette
