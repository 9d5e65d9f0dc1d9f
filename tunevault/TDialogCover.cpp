#include "tunevault/TDialogCover.h"

#include "resources/SkinNames.h"

namespace tunevault {

TDialogCover::TDialogCover(frame::Form& dialog) : DialogShadowForm(dialog, skin::askDialogShadow) {
    SetName("DialogCover");
}

void TDialogCover::CreateParams(frame::WindowParams& params) {
    DialogShadowForm::CreateParams(params);
    params.className = "TDialogCover";
}

}  // namespace tunevault
