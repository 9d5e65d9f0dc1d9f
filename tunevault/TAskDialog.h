#pragma once
// Every question and warning of the system: a message with "Yes" and "No"
// or with "OK", on the normal or, for one showing, the alarming artwork.
// Its answer buttons are built and switched by ProfileDialogController.

#include "tunevault/TSkinnedDialog.h"

#include <string>

namespace frame {
class Label;
}

namespace tunevault {

class TAskDialog : public TSkinnedDialog {
public:
    // `owner`, the program's main window, keeps the dialog above it.
    explicit TAskDialog(HWND owner);

    // 2 at once, changing nothing, while the dialog is showing. Otherwise
    // puts its top-left corner at (x, y), shows the message and returns the
    // modal result.
    int Ask(const std::string& message, int x, int y);
    // The same on the danger artwork, which gives way to the normal one
    // again however the dialog is left. The window keeps its outline.
    int AskWithDangerArtwork(const std::string& message, int x, int y);

protected:
    void CreateParams(frame::WindowParams& params) override;

private:
    HWND m_owner;
    frame::Label* m_message;
    frame::Image* m_warnDialogBk;
};

}  // namespace tunevault
