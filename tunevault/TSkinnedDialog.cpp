#include "tunevault/TSkinnedDialog.h"

#include "frame/Image.h"
#include "kiln/Component/LuButtonTx.h"
#include "tunevault/DialogShadowForm.h"
#include "tunevault/SkinPictures.h"

namespace tunevault {
namespace {

constexpr COLORREF kCloseButtonKey = RGB(31, 31, 31);

}  // namespace

TSkinnedDialog::TSkinnedDialog(const DialogArtwork& artwork, int designWidth, int designHeight)
    : m_className(artwork.className) {
    SetBorderStyle(frame::BorderStyle::None);
    SetScaled(false);
    SetClientSize(designWidth, designHeight);

    m_background = MakeChild<frame::Image>();
    m_background->SetName("Background");
    LoadBuiltInPicture(artwork.background, m_background->Picture());
    m_background->SetBounds(0, 0, m_background->Picture().Width(), m_background->Picture().Height());

    m_closeButton = MakeChild<kiln::LuButtonTx>();
    m_closeButton->SetName("CloseButton");
    const char* faces[3] = {artwork.closeRaised, artwork.closeSunken, artwork.closeFocused};
    for (int face = 0; face < 3; ++face) {
        frame::Bitmap picture;
        LoadBuiltInPicture(faces[face], picture);
        m_closeButton->Appearance().SetFace(face, picture);
    }
    m_closeButton->SetBounds(artwork.closeButton.x, artwork.closeButton.y, 45, 20);
    m_closeButton->SetTransparentColor(kCloseButtonKey);
    m_closeButton->SetTransparent(true);
    m_closeButton->SetModalResult(frame::modal::Cancel);
}

void TSkinnedDialog::Shape() {
    m_shape.Attach(m_background);
    m_flicker.Attach(this);
}

void TSkinnedDialog::CreateParams(frame::WindowParams& params) {
    frame::Form::CreateParams(params);
    params.className = m_className;
    params.style |= WS_POPUP;
}

void TSkinnedDialog::Dispatch(frame::Message& message) {
    if (message.msg == WM_MOVE && m_shadow) m_shadow->Follow();
    frame::Form::Dispatch(message);
}

void TSkinnedDialog::DoShow() {
    if (m_shadow) m_shadow->Follow();
    Showing();
    if (m_shadow && m_shadow->ShowsWithDialog()) m_shadow->ShowNoActivate();
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    frame::Form::DoShow();
}

void TSkinnedDialog::DoHide() {
    if (m_shadow) m_shadow->Hide();
    frame::Form::DoHide();
}

}  // namespace tunevault
