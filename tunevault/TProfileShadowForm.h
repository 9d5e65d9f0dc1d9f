#pragma once
// The save-profile dialog's shadow. Once the dialog has been shown through
// the special entry point, the shadow stays topmost and, for a 32-bit
// process on 64-bit Windows, is not shown again.

#include "tunevault/DialogShadowForm.h"

namespace tunevault {

class TProfileShadowForm : public DialogShadowForm {
public:
    explicit TProfileShadowForm(frame::Form& dialog);

    // Sets the flag for the rest of the process and makes the window topmost.
    void SetTopmostMode();
    bool ShowsWithDialog() const override;

private:
    bool m_topmostMode = false;
};

}  // namespace tunevault
