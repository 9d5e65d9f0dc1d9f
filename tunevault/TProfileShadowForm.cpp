#include "tunevault/TProfileShadowForm.h"

#include "resources/SkinNames.h"
#include "tunevault/Wow64.h"

namespace tunevault {

TProfileShadowForm::TProfileShadowForm(frame::Form& dialog)
    : DialogShadowForm(dialog, skin::profileDialogShadow, "TProfileShadowForm") {
    SetName("ProfileShadowForm");
}

void TProfileShadowForm::SetTopmostMode() {
    m_topmostMode = true;
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool TProfileShadowForm::ShowsWithDialog() const {
    return !(m_topmostMode && RunsUnderWow64());
}

}  // namespace tunevault
