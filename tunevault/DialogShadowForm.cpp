#include "tunevault/DialogShadowForm.h"

#include "frame/Image.h"
#include "tunevault/SkinPictures.h"

namespace tunevault {

DialogShadowForm::DialogShadowForm(frame::Form& dialog, const char* picture, const char* className)
    : m_dialog(dialog), m_picture(picture), m_className(className) {
    SetBorderStyle(frame::BorderStyle::None);
    SetScaled(false);
    m_background = MakeChild<frame::Image>();
    m_background->SetName("Background");
    m_background->SetBounds(0, 0, 0, 0);
    m_maker.SetClickThrough(true);
    m_maker.SetUseConstantAlpha(true);
}

void DialogShadowForm::CreateParams(frame::WindowParams& params) {
    frame::Form::CreateParams(params);
    params.className = m_className;
    params.style |= WS_POPUP;
    params.wndParent = m_dialog.Handle();
}

void DialogShadowForm::Initialize() {
    frame::Bitmap& picture = m_background->Picture();
    picture.SetPixelFormat(frame::PixelFormat::Bits32);
    LoadShadowPicture(m_picture, picture);
    m_background->SetAutoSize(true);
    SetClientSize(picture.Width(), picture.Height());
    m_maker.Apply(Handle(), picture);
    // The layered window keeps what was pushed to it and nothing paints
    // this window: the picture would only be a second copy.
    picture.Reshape(0, 0, frame::PixelFormat::Bits32);
    picture.Changed();
    Follow();
}

void DialogShadowForm::Follow() {
    SetBounds(m_dialog.Left(), m_dialog.Top(), Width(), Height());
}

}  // namespace tunevault
