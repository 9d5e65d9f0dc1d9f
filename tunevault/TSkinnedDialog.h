#pragma once
// What the library's two dialogs share: a borderless popup drawn from a
// built-in background picture that also gives the window its outline and
// moves it when dragged, a close button, no background erasing, a shadow
// window that follows it, shows and hides with it, and the keys of a
// Windows dialog: Enter presses the button that holds the focus or else the
// default answer, Esc presses the close button (result 2), Tab and
// Shift+Tab move between the dialog's tab stops.

#include "frame/Form.h"
#include "kiln/widget/Flicker.h"
#include "tunevault/DialogAccessible.h"
#include "tunevault/TRegionFormMaker.h"

#include <vector>

namespace frame {
class Image;
}
namespace kiln {
class LuButton;
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
    // The answers Enter gives, in order of preference: the first one showing
    // and enabled is pressed.
    void SetDefaultButtons(std::vector<kiln::LuButton*> buttons) { m_defaultButtons = std::move(buttons); }

protected:
    TSkinnedDialog(const DialogArtwork& artwork, int designWidth, int designHeight);
    ~TSkinnedDialog() override;

    void CreateParams(frame::WindowParams& params) override;
    void Dispatch(frame::Message& message) override;
    void DoShow() override;
    void DoHide() override;
    // Runs while the dialog is being shown, before its shadow appears.
    virtual void Showing() {}
    // What screen readers are told of the dialog's controls.
    DialogAccessible& Accessible() { return m_accessible; }

private:
    void FilterMessage(MSG& message, bool& handled);
    // True when the key did something.
    bool KeyDown(WPARAM key, bool shift);
    // The dialog's button that holds the keyboard focus, or nullptr.
    kiln::LuButton* FocusedButton() const;
    void StopFilteringKeys();

    const char* m_className;
    frame::Image* m_background;
    kiln::LuButtonTx* m_closeButton;
    DialogShadowForm* m_shadow = nullptr;
    TRegionFormMaker m_shape;
    kiln::FlickerEliminator m_flicker;
    std::vector<kiln::LuButton*> m_defaultButtons;
    // The application hook that reads the keys while the dialog shows.
    int m_keyHook = -1;
    DialogAccessible m_accessible{*this};
};

}  // namespace tunevault
