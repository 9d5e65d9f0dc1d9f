#pragma once
// What the library's two dialogs share: a borderless popup drawn from a
// built-in background picture that also gives the window its outline and
// moves it when dragged, a close button, no background erasing, and a
// shadow window that follows it, shows and hides with it.

#include "frame/Form.h"
#include "kiln/widget/Flicker.h"
#include "tunevault/TRegionFormMaker.h"

namespace frame {
class Image;
}
namespace kiln {
class LuButtonTx;
}

namespace tunevault {

class DialogShadowForm;

// Built-in bitmaps of one dialog and where its close button sits.
struct DialogArtwork {
    const char* className;
    const char* background;
    const char* closeRaised;
    const char* closeSunken;
    const char* closeFocused;
    POINT closeButton;
};

class TSkinnedDialog : public frame::Form {
public:
    frame::Image* Background() const { return m_background; }
    void SetShadow(DialogShadowForm* shadow) { m_shadow = shadow; }

    // Cuts the background's transparent colour out of the window, sizes the
    // window to the background and lets a drag on it move the dialog. Once,
    // when the controls are in place.
    void Shape();

protected:
    TSkinnedDialog(const DialogArtwork& artwork, int designWidth, int designHeight);

    void CreateParams(frame::WindowParams& params) override;
    void Dispatch(frame::Message& message) override;
    void DoShow() override;
    void DoHide() override;
    // Runs while the dialog is being shown, before its shadow appears.
    virtual void Showing() {}

private:
    const char* m_className;
    frame::Image* m_background;
    kiln::LuButtonTx* m_closeButton;
    DialogShadowForm* m_shadow = nullptr;
    TRegionFormMaker m_shape;
    kiln::FlickerEliminator m_flicker;
};

}  // namespace tunevault
