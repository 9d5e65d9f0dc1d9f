#include "tunevault/TSkinnedDialog.h"

#include "frame/Application.h"
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
    m_accessible.Name(*m_closeButton, "Close");
}

TSkinnedDialog::~TSkinnedDialog() {
    StopFilteringKeys();
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
    if (message.msg == WM_GETOBJECT && static_cast<LONG>(message.lParam) == OBJID_CLIENT) {
        message.result = m_accessible.Answer(message.wParam);
        return;
    }
    if (message.msg == WM_MOVE && m_shadow) m_shadow->Follow();
    frame::Form::Dispatch(message);
}

void TSkinnedDialog::DoShow() {
    if (m_shadow) m_shadow->Follow();
    Showing();
    if (m_shadow && m_shadow->ShowsWithDialog()) m_shadow->ShowNoActivate();
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (m_keyHook < 0)
        m_keyHook = frame::Application::Instance().AddMessageHook(
            [this](MSG& message, bool& handled) { FilterMessage(message, handled); });
    frame::Form::DoShow();
}

void TSkinnedDialog::DoHide() {
    StopFilteringKeys();
    if (m_shadow) m_shadow->Hide();
    frame::Form::DoHide();
}

void TSkinnedDialog::StopFilteringKeys() {
    if (m_keyHook < 0) return;
    frame::Application::Instance().RemoveMessageHook(m_keyHook);
    m_keyHook = -1;
}

void TSkinnedDialog::FilterMessage(MSG& message, bool& handled) {
    if (message.message != WM_KEYDOWN || !HandleAllocated() || !message.hwnd) return;
    if (message.hwnd != Handle() && GetAncestor(message.hwnd, GA_ROOT) != Handle()) return;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return;
    // An Enter still held from the press that asked the question repeats
    // into the dialog: only a fresh press answers.
    const bool repeated = (message.lParam & (1 << 30)) != 0;
    if (message.wParam == VK_RETURN && repeated) {
        handled = true;
        return;
    }
    handled = KeyDown(message.wParam, GetKeyState(VK_SHIFT) < 0);
}

bool TSkinnedDialog::KeyDown(WPARAM key, bool shift) {
    switch (key) {
    case VK_RETURN: {
        kiln::LuButton* button = FocusedButton();
        for (auto it = m_defaultButtons.begin(); !button && it != m_defaultButtons.end(); ++it)
            if ((*it)->Visible() && (*it)->Enabled()) button = *it;
        if (button) button->Click();
        return button != nullptr;
    }
    case VK_ESCAPE: m_closeButton->Click(); return true;
    case VK_TAB: {
        // From the dialog itself (nothing focused yet) to its first or last stop.
        const HWND focus = GetFocus();
        const HWND from = focus && IsChild(Handle(), focus) ? focus : nullptr;
        if (const HWND next = GetNextDlgTabItem(Handle(), from, shift ? TRUE : FALSE)) ::SetFocus(next);
        return true;
    }
    default: return false;
    }
}

kiln::LuButton* TSkinnedDialog::FocusedButton() const {
    const HWND focus = GetFocus();
    if (!focus) return nullptr;
    for (frame::Control* control : Controls()) {
        auto* button = dynamic_cast<kiln::LuButton*>(control);
        if (button && button->HandleAllocated() && button->Handle() == focus && button->Visible() &&
            button->Enabled())
            return button;
    }
    return nullptr;
}

}  // namespace tunevault
