#include "tunevault/TunevaultDialogs.h"

#include "frame/Application.h"
#include "kiln/Graphics/PngReader.h"
#include "tunevault/TAskDialog.h"
#include "tunevault/TDialogCover.h"
#include "tunevault/TProfileDialog.h"
#include "tunevault/TProfileShadowForm.h"

namespace tunevault {
namespace {

TunevaultDialogs* g_dialogs = nullptr;

}  // namespace

TunevaultDialogs* TunevaultDialogs::Instance() {
    return g_dialogs;
}

void TunevaultDialogs::Create(HWND programApplication, HWND programMainWindow) {
    if (g_dialogs) return;
    frame::Application::Instance().HostIn(programApplication);
    // The dialog buttons load the same three faces each.
    const kiln::PngDecodeScope decodes;
    g_dialogs = new TunevaultDialogs(programMainWindow);  // lives until the process ends
}

TunevaultDialogs::TunevaultDialogs(HWND programMainWindow) {
    m_profileDialog = std::make_unique<TProfileDialog>();
    m_profileDialog->Shape();
    m_profileShadow = std::make_unique<TProfileShadowForm>(*m_profileDialog);
    m_askDialog = std::make_unique<TAskDialog>(programMainWindow);
    m_askDialog->Shape();
    m_cover = std::make_unique<TDialogCover>(*m_askDialog);
    m_cover->Initialize();
    m_askDialog->SetShadow(m_cover.get());
    ProfileDialogController::Instance().Build(*m_profileDialog, *m_askDialog);
    m_profileShadow->Initialize();
    m_profileDialog->SetShadow(m_profileShadow.get());
    m_profileDialog->Hide();
}

TunevaultDialogs::~TunevaultDialogs() = default;

int TunevaultDialogs::ShowSaveDialog(bool topmostShadow) {
    if (m_profileDialog->Visible()) return frame::modal::Cancel;
    ProfileDialogController::Instance().OfferAnswers(AnswerSet::YesNo);
    if (topmostShadow) m_profileShadow->SetTopmostMode();
    m_profileDialog->CenterOnScreen();
    return m_profileDialog->ShowModal();
}

int TunevaultDialogs::Question(const std::string& message, int x, int y, AnswerSet answers, bool danger) {
    if (m_askDialog->Visible()) return frame::modal::Cancel;
    ProfileDialogController::Instance().OfferAnswers(answers);
    return danger ? m_askDialog->AskWithDangerArtwork(message, x, y) : m_askDialog->Ask(message, x, y);
}

}  // namespace tunevault
