#pragma once
// A dialog's soft drop shadow: a popup owned by the dialog that shows one
// black per-pixel-alpha picture, lets every click through and keeps its
// top-left corner on the dialog's.

#include "frame/Form.h"
#include "kiln/widget/PerPixelLayeredWindow.h"

namespace frame {
class Image;
}

namespace tunevault {

class DialogShadowForm : public frame::Form {
public:
    // `picture`: the shadow's file in "Resource\"; `className`: the
    // window class, by which other programs may find the window.
    DialogShadowForm(frame::Form& dialog, const char* picture, const char* className);

    // Loads the picture, takes its size, pushes it to the window and moves
    // to the dialog; the window stays hidden. A missing picture leaves an
    // empty shadow.
    void Initialize();
    // Only the top-left corner moves; the picture is not pushed again.
    void Follow();
    // Whether showing the dialog shows the shadow too.
    virtual bool ShowsWithDialog() const { return true; }

protected:
    void CreateParams(frame::WindowParams& params) override;

private:
    frame::Form& m_dialog;
    const char* m_picture;
    const char* m_className;
    frame::Image* m_background;
    kiln::TPerPixelLayeredWindowMaker m_maker;
};

}  // namespace tunevault
