#pragma once
// A push button with four faces: raised, sunken, focused, disabled.

#include "kiln/Component/LuAppearance.h"
#include "kiln/Component/LuCustomControl.h"

namespace kiln {

class LuButton : public LuCustomControl {
public:
    explicit LuButton(bool clicksDisabled = false);

    const char* ClassName() const override { return "LuButton"; }

    void ShowSunken() override { ShowBitmap(1); }
    void ShowFocused() override { ShowBitmap(2); }
    void ShowDisabled() override { ShowBitmap(3); }
    void Click() override;

    LuFourStateAppearance& Appearance() { return m_appearance; }
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

protected:
    void CreateParams(frame::WindowParams& params) override;

private:
    LuFourStateAppearance m_appearance;
    int m_modalResult = 0;
};

}  // namespace kiln
