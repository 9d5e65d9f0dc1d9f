#pragma once
// The save-profile dialog's run-time controls and behaviour: its three
// buttons, name-field and list artwork and labels, the owner-drawn list,
// the rules that tie the name field, the list and the buttons together,
// saving through the profile writer, deleting, and the confirmations it
// asks in the question dialog, whose answer buttons it also builds.

#include "kiln/widget/layout/TListBoxLayout.h"

#include <string>

namespace kiln {
class LuButtonTx;
}

namespace tunevault {

class TAskDialog;
class TProfileDialog;

enum class AnswerSet { YesNo, Ok };

class ProfileDialogController {
public:
    // One per library, made on first use and kept until the process ends.
    static ProfileDialogController& Instance();
    ProfileDialogController(const ProfileDialogController&) = delete;
    ProfileDialogController& operator=(const ProfileDialogController&) = delete;

    // Once, with both dialogs made.
    void Build(TProfileDialog& dialog, TAskDialog& ask);
    // Which answers the question dialog offers from now on. The dialog is
    // shared with the program's own questions and warnings: whoever shows
    // it sets the answers first.
    void OfferAnswers(AnswerSet answers);
    // The profiles on disk, an empty name, "Save" and "Delete" disabled.
    void RefreshList();

private:
    ProfileDialogController() = default;

    void BuildDecorations();
    void NameChanged();
    void ListPressed();
    void SaveClicked();
    void DeleteClicked();
    // Has the writer write the profile at `path` in `folder`; true when a
    // whole profile stands there afterwards. On failure a profile that was
    // there is there again and nothing the attempt left remains.
    bool WriteProfile(const std::string& folder, const std::string& path);
    // The question dialog centred over this one with "Yes" and "No".
    int Confirm(const std::string& message);
    // The question dialog centred over this one with "OK" alone.
    void Warn(const std::string& message);
    int AskCentred(const std::string& message, AnswerSet answers);

    TProfileDialog* m_dialog = nullptr;
    TAskDialog* m_ask = nullptr;
    kiln::LuButtonTx* m_save = nullptr;
    kiln::LuButtonTx* m_delete = nullptr;
    kiln::LuButtonTx* m_yes = nullptr;
    kiln::LuButtonTx* m_no = nullptr;
    kiln::LuButtonTx* m_ok = nullptr;
    kiln::TListBoxLayout m_listLayout;
};

}  // namespace tunevault
