#include "kiln/Component/LuRadioButton.h"

#include <oleacc.h>

#include <cstring>

namespace kiln {

LuRadioButton::LuRadioButton(bool clicksDisabled) : LuCustomControl(clicksDisabled, 8), m_appearance(*this) {}

int LuRadioButton::Substitute(int index) { return index % 4 != 0 ? index - index % 4 : 0; }

void LuRadioButton::SetChecked(bool checked) {
    if (checked) ExcludeOther();
    const bool changed = checked != m_checked;
    m_checked = checked;
    ShowOffset(FaceIndex() % 4);
    if (changed) AccessibleStateChanged();
}

void LuRadioButton::Click() {
    if (!CanClick()) return;
    SetChecked(true);
    LuCustomControl::Click();
}

void LuRadioButton::DblClick() {
    if (!CanClick()) return;
    SetChecked(true);
    LuCustomControl::DblClick();
}

bool LuRadioButton::IsExclusiveType(LuControl* other) {
    return std::strcmp(other->ClassName(), "LuRadioButton") == 0;
}

void LuRadioButton::ExcludeOther() {
    frame::WinControl* parent = Parent();
    if (!parent) return;
    for (frame::Control* control : parent->Controls()) {
        auto* other = dynamic_cast<LuControl*>(control);
        if (other && other != this && IsExclusiveType(other)) other->SetChecked(false);
    }
}

void LuRadioButton::FaceChanged(frame::Bitmap& face) {
    LuCustomControl::FaceChanged(face);
    const int substitute = Substitute(FaceIndex());
    if (substitute != 0 && Faces().IndexOf(face) == substitute) ShowBitmap(FaceIndex());
}

long LuRadioButton::AccessibleRole() const {
    return ROLE_SYSTEM_RADIOBUTTON;
}

// Checked for a radio button, selected for one that stands for a page tab.
long LuRadioButton::AccessibleState() const {
    return m_checked ? STATE_SYSTEM_CHECKED | STATE_SYSTEM_SELECTED : 0;
}

}  // namespace kiln
