#include "kiln/Component/LuButton.h"

#include "frame/Form.h"

namespace kiln {

LuButton::LuButton(bool clicksDisabled) : LuCustomControl(clicksDisabled, 4), m_appearance(*this, 0) {}

void LuButton::CreateParams(frame::WindowParams& params) {
    LuCustomControl::CreateParams(params);
    // A quick second click is a second click, not a double-click.
    params.classStyle &= ~CS_DBLCLKS;
}

void LuButton::Click() {
    if (!CanClick()) return;
    if (frame::Form* form = ParentForm()) form->SetModalResult(ModalResult());
    LuCustomControl::Click();
}

}  // namespace kiln
