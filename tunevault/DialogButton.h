#pragma once
// The library's run-time buttons ("Save", "Delete", "Cancel", "Yes", "No",
// "OK") are all made one way: faces blended once over the save-profile
// dialog's background at the button's place, a caption that lights up when
// the button is hovered or pressed, and the hand cursor.

#include "frame/Bitmap.h"

#include <string>

namespace frame {
class Form;
}
namespace kiln {
class LuButtonTx;
}

namespace tunevault {

// "Resource\" + file blended over `background` at (x, y), every alpha byte
// 0. A file that cannot be read leaves `bitmap` as it was.
void ComposeFaceOverBackground(const std::string& file, frame::Bitmap& bitmap, int x, int y,
                               frame::Bitmap& background);

struct DialogButtonDesign {
    const char* name;
    const char* caption;
    int x;
    int y;
    int modalResult;
};

// A visible button on `dialog`, with faces composed over `faceBackground`.
kiln::LuButtonTx* MakeDialogButton(frame::Form& dialog, frame::Bitmap& faceBackground,
                                   const DialogButtonDesign& design);

}  // namespace tunevault
