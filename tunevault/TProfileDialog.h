#pragma once
// The save-profile dialog: the user types or picks a profile name, then
// saves the board's applied settings under it, deletes that profile, or
// cancels. Its run-time controls and its behaviour come from
// ProfileDialogController.

#include "tunevault/TSkinnedDialog.h"

#include <functional>

namespace frame {
class Edit;
class ListBox;
}  // namespace frame

namespace tunevault {

class TProfileDialog : public TSkinnedDialog {
public:
    TProfileDialog();

    frame::Edit* NameEdit() const { return m_nameEdit; }
    frame::ListBox* NameList() const { return m_nameList; }

    // Every showing starts from the profiles on disk.
    std::function<void()> OnRefreshList;

protected:
    void Showing() override;
    void DoShow() override;
    void Dispatch(frame::Message& message) override;

private:
    frame::Edit* m_nameEdit;
    frame::ListBox* m_nameList;
};

}  // namespace tunevault
