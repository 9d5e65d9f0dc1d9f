#pragma once
// What the Windows screen shows in one rectangle, saved as a PNG file. Under
// Wine the display server's picture of layered windows can lag behind or
// miss what Windows programs see, so the picture is taken from the Windows
// side.

#include <windows.h>

#include <string>

// Screen coordinates; the part outside the virtual screen is left out.
// With `trimBackground`, the picture is cut down to what differs from its
// bottom-left pixel: a window that lets its corners show what lies behind
// it keeps only its visible part. False, with the reason on standard error,
// when nothing could be saved.
bool SaveScreenPicture(RECT area, const std::string& file, bool trimBackground = false);
