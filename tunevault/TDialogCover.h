#pragma once
// The question dialog's shadow.

#include "tunevault/DialogShadowForm.h"

namespace tunevault {

class TDialogCover : public DialogShadowForm {
public:
    explicit TDialogCover(frame::Form& dialog);
};

}  // namespace tunevault
