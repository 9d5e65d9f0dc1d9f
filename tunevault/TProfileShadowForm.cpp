#include "tunevault/TProfileShadowForm.h"

#include "resources/SkinNames.h"
#include "tunevault/Wow64.h"

namespace tunevault {

TProfileShadowForm::TProfileShadowForm(frame::Form& dialog) : DialogShadowForm(dialog, skin::profileDialogShadow) {
    SetName("ProfileShadowForm");
}

void TProfileShadowForm::CreateParams(frame::WindowParams& params) {
    DialogShadowForm::CreateParams(params);
    params.className = "TProfileShadowForm";
}

void TProfileShadowForm::SetTopmostMode() {
    m_topmostMode = true;
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool TProfileShadowForm::ShowsWithDialog() const {
    return !(m_topmostMode && RunsUnderWow64());
}

}  // namespace tunevault
