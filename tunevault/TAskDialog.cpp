#include "tunevault/TAskDialog.h"

#include "frame/Application.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "tunevault/SkinPictures.h"

namespace tunevault {
namespace {

constexpr DialogArtwork kArtwork{"TAskDialog",     "AskDialogBk",     "AskCloseRaised",
                                 "AskCloseSunken", "AskCloseFocused", POINT{217, 8}};

// Shows another picture in an image for as long as it lives.
class PictureSwap {
public:
    PictureSwap(frame::Image& image, const frame::Bitmap& shown) : m_image(image) {
        m_kept.Assign(image.Picture());
        image.Picture().Assign(shown);
    }
    PictureSwap(const PictureSwap&) = delete;
    PictureSwap& operator=(const PictureSwap&) = delete;
    ~PictureSwap() { m_image.Picture().Assign(m_kept); }

private:
    frame::Image& m_image;
    frame::Bitmap m_kept;
};

}  // namespace

TAskDialog::TAskDialog(HWND owner) : TSkinnedDialog(kArtwork, 485, 310), m_owner(owner) {
    SetName("AskDialog");

    m_message = MakeChild<frame::Label>();
    m_message->SetName("Message");
    m_message->SetAutoSize(false);
    m_message->SetWordWrap(true);
    m_message->SetTransparent(true);
    m_message->Font().SetName("Arial");
    m_message->Font().SetHeight(-12);
    m_message->Font().SetColor(RGB(204, 204, 204));
    m_message->SetBounds(32, 64, 209, 65);

    m_warnDialogBk = MakeChild<frame::Image>();
    m_warnDialogBk->SetName("WarnDialogBk");
    m_warnDialogBk->SetVisible(false);
    m_warnDialogBk->SetBounds(304, 40, 41, 25);
}

// The program's main window owns the questions, so they stay above it.
void TAskDialog::CreateParams(frame::WindowParams& params) {
    TSkinnedDialog::CreateParams(params);
    if (IsWindow(m_owner)) params.wndParent = m_owner;
}

int TAskDialog::Ask(const std::string& message, int x, int y) {
    if (Visible()) return frame::modal::Cancel;
    SetBounds(x, y, Width(), Height());
    m_message->SetCaption(message);
    // The question is also the window's text, as screen readers and window
    // lists show it.
    SetCaption(message);
    return ShowModal();
}

int TAskDialog::AskWithDangerArtwork(const std::string& message, int x, int y) {
    if (Visible()) return frame::modal::Cancel;
    // The danger artwork is read at its first use: most runs never need it.
    frame::Bitmap& artwork = m_warnDialogBk->Picture();
    if (artwork.Empty()) LoadBuiltInPicture("AskDialogDangerBk", artwork);
    PictureSwap danger(*Background(), artwork);
    return Ask(message, x, y);
}

}  // namespace tunevault
