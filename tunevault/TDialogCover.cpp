#include "tunevault/TDialogCover.h"

#include "resources/SkinNames.h"

namespace tunevault {

TDialogCover::TDialogCover(frame::Form& dialog) : DialogShadowForm(dialog, skin::askDialogShadow, "TDialogCover") {
    SetName("DialogCover");
}

}  // namespace tunevault
