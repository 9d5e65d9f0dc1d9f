#include "tunevault/TProfileDialog.h"

#include "frame/Edit.h"
#include "frame/ListBox.h"
#include "kiln/widget/ForceForeground.h"

#include <memory>

namespace tunevault {
namespace {

constexpr DialogArtwork kArtwork{"TProfileDialog",      "ProfileDialogBk",     "ProfileCloseRaised",
                                 "ProfileCloseSunken", "ProfileCloseFocused", POINT{376, 10}};
constexpr frame::Color kFieldColor = RGB(28, 36, 40);
constexpr frame::Color kFieldTextColor = RGB(204, 204, 204);
// Taking the foreground from inside the show message would show the window
// again from within its own showing; it waits for the message loop instead.
constexpr UINT kMsgBringToFront = WM_APP + 1;

void DressField(frame::WinControl& field) {
    field.SetColor(kFieldColor);
    field.Font().SetName("MS Sans Serif");
    field.Font().SetHeight(-11);
    field.Font().SetColor(kFieldTextColor);
}

}  // namespace

TProfileDialog::TProfileDialog() : TSkinnedDialog(kArtwork, 465, 283) {
    SetName("ProfileDialog");
    SetCaption("Save Profile");
    SetFormStyle(frame::FormStyle::StayOnTop);

    auto edit = std::make_unique<frame::Edit>();
    m_nameEdit = edit.get();
    m_nameEdit->SetName("ProfileNameEdit");
    m_nameEdit->SetBorder(false);
    m_nameEdit->SetBounds(104, 65, 172, 16);
    DressField(*m_nameEdit);
    InsertControl(std::move(edit));

    auto list = std::make_unique<frame::ListBox>();
    m_nameList = list.get();
    m_nameList->SetName("ProfileNameList");
    m_nameList->SetBorder(false);
    m_nameList->SetStyle(frame::ListBoxStyle::OwnerDrawFixed);
    m_nameList->SetItemHeight(13);
    m_nameList->SetBounds(102, 102, 176, 83);
    DressField(*m_nameList);
    InsertControl(std::move(list));
    Accessible().Name(*m_nameEdit, "Name");
    Accessible().Name(*m_nameList, "Profiles");
}

void TProfileDialog::Showing() {
    if (OnRefreshList) OnRefreshList();
}

void TProfileDialog::DoShow() {
    TSkinnedDialog::DoShow();
    PostMessageA(Handle(), kMsgBringToFront, 0, 0);
}

void TProfileDialog::Dispatch(frame::Message& message) {
    if (message.msg == kMsgBringToFront) {
        if (!IsWindowVisible(Handle())) return;
        kiln::ForceForeground(Handle());
        // The name is what the dialog asks for first: it takes the keys.
        m_nameEdit->SetFocus();
        return;
    }
    TSkinnedDialog::Dispatch(message);
}

}  // namespace tunevault
