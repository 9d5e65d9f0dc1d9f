#pragma once
// The dialogs' pictures from "Resource\" beside the program. A picture that
// cannot be read leaves its bitmap empty and is reported on the debugger
// output only: the dialog still works without it, and nothing the library
// throws may reach the program.

#include "frame/Bitmap.h"

#include <string>

namespace tunevault {

// A PNG as it is (32-bit, straight alpha).
bool LoadSkinPicture(const std::string& name, frame::Bitmap& bitmap);
// A shadow PNG, black with the file's alpha.
bool LoadShadowPicture(const std::string& name, frame::Bitmap& bitmap);
// A bitmap built into the library.
void LoadBuiltInPicture(const char* resourceName, frame::Bitmap& bitmap);

}  // namespace tunevault
