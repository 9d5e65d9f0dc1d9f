#include "tunevault/ProfileDialogController.h"

#include "base/DebugOutput.h"
#include "frame/Edit.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/ListBox.h"
#include "kiln/Component/LuButtonTx.h"
#include "kiln/Component/LuImage.h"
#include "kiln/fileutl/ProfileFile.h"
#include "kiln/fileutl/ProfileFolder.h"
#include "kiln/fileutl/ProfileNames.h"
#include "resources/SkinNames.h"
#include "tunevault/DialogButton.h"
#include "tunevault/SkinPictures.h"
#include "tunevault/TAskDialog.h"
#include "tunevault/TProfileDialog.h"
#include "vendor/velolib.h"

#include <windows.h>

namespace tunevault {
namespace {

constexpr char kReplaceQuestion[] = "The profile already exists. Are you sure you want to replace the profile?";
constexpr char kDeleteQuestion[] = "Are you sure you want to delete this profile?";
constexpr char kUnusableName[] =
    "A profile name cannot contain \\ / : * ? \" < > | or be a device name such as CON, and cannot be only dots.";
constexpr char kNotSaved[] = "The profile could not be saved.";

constexpr DialogButtonDesign kSave{"SaveButton", "Save", 309, 61, frame::modal::None};
constexpr DialogButtonDesign kDelete{"DeleteButton", "Delete", 309, 107, frame::modal::None};
constexpr DialogButtonDesign kCancel{"CancelButton", "Cancel", 309, 153, frame::modal::Cancel};
constexpr DialogButtonDesign kYes{"YesButton", "Yes", 46, 134, frame::modal::Yes};
constexpr DialogButtonDesign kNo{"NoButton", "No", 160, 134, frame::modal::No};
constexpr DialogButtonDesign kOk{"OkButton", "OK", 103, 134, frame::modal::Ok};

constexpr frame::Color kSelectionColor = RGB(128, 80, 199);

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Moves a file over another in one step, on disk before it returns.
bool MoveOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// The profile a save is about to replace, moved out of the writer's way
// under a name the profile list never shows (a ".tmp" file beside it).
// Whatever the writer then leaves at the path is its own work. Unless the
// new profile is kept, whatever the attempt left at the path goes and the
// old profile comes back.
class SetAsideProfile {
public:
    SetAsideProfile(const std::string& folder, const std::string& path) : m_path(path) {
        if (!FileExists(path)) return;
        char aside[MAX_PATH] = {};
        m_refused = !GetTempFileNameA(folder.c_str(), "tvo", 0, aside);
        if (m_refused) return;
        if (MoveOver(path, aside)) {
            m_aside = aside;
        } else {
            // Held open elsewhere, typically: no writer could replace it either.
            DeleteFileA(aside);
            m_refused = true;
        }
    }
    SetAsideProfile(const SetAsideProfile&) = delete;
    SetAsideProfile& operator=(const SetAsideProfile&) = delete;
    ~SetAsideProfile() {
        if (m_kept || m_refused) return;
        if (m_aside.empty())
            DeleteFileA(m_path.c_str());
        else if (!MoveOver(m_aside, m_path))
            // Better a stray file than a lost profile.
            base::DebugReport("Tunevault: the replaced profile %s is kept as %s", m_path.c_str(), m_aside.c_str());
    }

    // False when a profile is there that could not be moved aside.
    bool Ready() const { return !m_refused; }

    // The new profile stands: the old one goes.
    void KeepNew() {
        m_kept = true;
        if (!m_aside.empty()) DeleteFileA(m_aside.c_str());
    }

private:
    std::string m_path;
    std::string m_aside;
    bool m_refused = false;
    bool m_kept = false;
};

std::string LowerCase(std::string text) {
    if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

void AddArtwork(frame::Form& dialog, const char* name, const char* file, int x, int y) {
    auto* image = dialog.MakeChild<kiln::LuImage>();
    image->SetName(name);
    image->SetAutoSize(true);
    image->SetAlphaChannel(true);
    image->SetLeft(x);
    image->SetTop(y);
    image->Picture().SetPixelFormat(frame::PixelFormat::Bits32);
    LoadSkinPicture(file, image->Picture());
}

frame::Label* AddLabel(frame::Form& dialog, const char* name, const char* caption, int height, frame::Color color) {
    auto* label = dialog.MakeChild<frame::Label>();
    label->SetName(name);
    label->SetTransparent(true);
    label->Font().SetName("Arial");
    label->Font().SetHeight(-height);
    label->Font().SetBold(true);
    label->Font().SetColor(color);
    label->SetCaption(caption);
    return label;
}

}  // namespace

ProfileDialogController& ProfileDialogController::Instance() {
    static ProfileDialogController* instance = new ProfileDialogController();  // lives until the process ends
    return *instance;
}

void ProfileDialogController::Build(TProfileDialog& dialog, TAskDialog& ask) {
    m_dialog = &dialog;
    m_ask = &ask;
    frame::Bitmap& faces = dialog.Background()->Picture();
    m_save = MakeDialogButton(dialog, faces, kSave);
    m_delete = MakeDialogButton(dialog, faces, kDelete);
    MakeDialogButton(dialog, faces, kCancel);
    m_yes = MakeDialogButton(ask, faces, kYes);
    m_no = MakeDialogButton(ask, faces, kNo);
    m_ok = MakeDialogButton(ask, faces, kOk);
    dialog.SetDefaultButtons({m_save});
    ask.SetDefaultButtons({m_yes, m_ok});
    BuildDecorations();

    m_listLayout.Attach(*dialog.NameList());
    m_listLayout.SetSelectionColor(kSelectionColor);
    dialog.NameEdit()->OnChange = [this](frame::Control*) { NameChanged(); };
    dialog.NameList()->OnMouseDown = [this](frame::Control*, frame::MouseButton, frame::ShiftState, int, int) {
        ListPressed();
    };
    m_save->OnClick = [this](frame::Control*) { SaveClicked(); };
    m_delete->OnClick = [this](frame::Control*) { DeleteClicked(); };
    dialog.OnRefreshList = [this] { RefreshList(); };
    OfferAnswers(AnswerSet::YesNo);
}

void ProfileDialogController::BuildDecorations() {
    AddArtwork(*m_dialog, "TypeNameImage", skin::profileNameFrame, 98, 62);
    AddArtwork(*m_dialog, "NamesImage", skin::profileListFrame, 98, 98);
    frame::Label* name = AddLabel(*m_dialog, "NameLabel", "Name :", 13, RGB(103, 222, 255));
    name->SetAutoSize(false);
    name->SetAlignment(frame::Alignment::Right);
    name->SetBounds(13, 62, 68, 21);
    frame::Label* title = AddLabel(*m_dialog, "TitleLabel", "Save Profile", 15, frame::colors::White);
    title->SetAutoSize(true);
    title->SetLeft(25);
    title->SetTop(16);
}

void ProfileDialogController::OfferAnswers(AnswerSet answers) {
    m_yes->SetVisible(answers == AnswerSet::YesNo);
    m_no->SetVisible(answers == AnswerSet::YesNo);
    m_ok->SetVisible(answers == AnswerSet::Ok);
}

void ProfileDialogController::RefreshList() {
    frame::ListBox& list = *m_dialog->NameList();
    const std::string folder = kiln::GetProfileFolder();
    list.Clear();
    list.BeginUpdate();
    for (const std::string& name : kiln::ListProfileNames(folder)) list.AddItem(name);
    list.EndUpdate();
    m_dialog->NameEdit()->SetText("");
    m_save->SetEnabled(false);
    m_delete->SetEnabled(false);
}

void ProfileDialogController::NameChanged() {
    const std::string text = m_dialog->NameEdit()->Text();
    if (text.empty()) {
        m_save->SetEnabled(false);
        m_delete->SetEnabled(false);
        return;
    }
    m_save->SetEnabled(true);
    frame::ListBox& list = *m_dialog->NameList();
    const std::string wanted = LowerCase(text);
    int match = -1;
    for (int i = 0; i < list.Count() && match < 0; ++i)
        if (LowerCase(list.Item(i)) == wanted) match = i;
    list.SetItemIndex(match);
    m_delete->SetEnabled(match >= 0);
}

void ProfileDialogController::ListPressed() {
    frame::ListBox& list = *m_dialog->NameList();
    const int index = list.ItemIndex();
    if (index < 0) {
        m_delete->SetEnabled(false);
        return;
    }
    m_dialog->NameEdit()->SetText(list.Item(index));
    m_delete->SetEnabled(true);
}

void ProfileDialogController::SaveClicked() {
    const std::string name = m_dialog->NameEdit()->Text();
    if (name.empty()) return;
    // A name is part of a path: one that could leave the profile folder or
    // name a device never reaches the writer.
    if (!kiln::IsUsableProfileName(name)) {
        Warn(kUnusableName);
        return;
    }
    const std::string folder = kiln::GetProfileFolder();
    const std::string path = kiln::ProfilePath(folder, name);
    if (FileExists(path) && Confirm(kReplaceQuestion) != frame::modal::Yes) return;
    if (!WriteProfile(folder, path)) {
        Warn(kNotSaved);
        return;
    }
    m_dialog->SetModalResult(frame::modal::Ok);
}

// The writer's answer is not part of its contract; the file is, and it is
// judged by what it reads as, never by its times or size: a clock's step
// can hide a rewrite, and a writer that fails halfway changes the file too.
bool ProfileDialogController::WriteProfile(const std::string& folder, const std::string& path) {
    SetAsideProfile old(folder, path);
    if (!old.Ready()) return false;
    VeloWriteProfile(path.c_str());
    if (!kiln::IsWholeProfileFile(path)) return false;
    old.KeepNew();
    return true;
}

void ProfileDialogController::DeleteClicked() {
    frame::ListBox& list = *m_dialog->NameList();
    const int index = list.ItemIndex();
    if (index < 0) return;
    const std::string name = list.Item(index);
    if (!kiln::IsUsableProfileName(name))
        Warn(kUnusableName);
    else if (Confirm(kDeleteQuestion) == frame::modal::Yes)
        DeleteFileA(kiln::ProfilePath(kiln::GetProfileFolder(), name).c_str());
    RefreshList();
}

int ProfileDialogController::Confirm(const std::string& message) {
    return AskCentred(message, AnswerSet::YesNo);
}

void ProfileDialogController::Warn(const std::string& message) {
    AskCentred(message, AnswerSet::Ok);
}

// The program may have warned through the same dialog while this one was
// open, so every question states its own answers.
int ProfileDialogController::AskCentred(const std::string& message, AnswerSet answers) {
    OfferAnswers(answers);
    const int left = m_dialog->Left() + (m_dialog->Width() - m_ask->Width()) / 2;
    const int top = m_dialog->Top() + (m_dialog->Height() - m_ask->Height()) / 2;
    return m_ask->Ask(message, left, top);
}

}  // namespace tunevault
