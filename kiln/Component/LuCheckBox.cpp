#include "kiln/Component/LuCheckBox.h"

#include <oleacc.h>

namespace kiln {

LuCheckBox::LuCheckBox(bool clicksDisabled) : LuCustomControl(clicksDisabled, 12), m_appearance(*this) {}

void LuCheckBox::CreateParams(frame::WindowParams& params) {
    LuCustomControl::CreateParams(params);
    params.classStyle &= ~CS_DBLCLKS;
}

int LuCheckBox::Substitute(int index) { return index % 4 != 0 ? index - index % 4 : 0; }

void LuCheckBox::Click() {
    if (!CanClick()) return;
    switch (m_state) {
    case CheckState::Unchecked: SetState(m_allowGrayed ? CheckState::Grayed : CheckState::Checked); break;
    case CheckState::Grayed: SetState(CheckState::Checked); break;
    case CheckState::Checked: SetState(CheckState::Unchecked); break;
    }
    LuCustomControl::Click();
}

void LuCheckBox::SetState(CheckState state) {
    const bool changed = state != m_state;
    m_state = state;
    ShowOffset(FaceIndex() % 4);
    if (changed) AccessibleStateChanged();
}

void LuCheckBox::SetChecked(bool checked) { SetState(checked ? CheckState::Checked : CheckState::Unchecked); }

void LuCheckBox::FaceChanged(frame::Bitmap& face) {
    LuCustomControl::FaceChanged(face);
    // The face on show may be standing in for an empty one; a new picture
    // there must reach the screen as well.
    const int substitute = Substitute(FaceIndex());
    if (substitute != 0 && Faces().IndexOf(face) == substitute) ShowBitmap(FaceIndex());
}

long LuCheckBox::AccessibleRole() const {
    return ROLE_SYSTEM_CHECKBUTTON;
}

long LuCheckBox::AccessibleState() const {
    if (m_state == CheckState::Grayed) return STATE_SYSTEM_MIXED;
    return m_state == CheckState::Checked ? STATE_SYSTEM_CHECKED : 0;
}

}  // namespace kiln
