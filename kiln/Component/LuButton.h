#pragma once
// A push button with four faces: raised, sunken, focused, disabled.

#include "kiln/Component/LuAppearance.h"
#include "kiln/Component/LuCustomControl.h"

#include <string>

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
    // Empty names leave their faces as they are.
    bool LoadBitmap(const std::string& folder, const std::string& raised, const std::string& sunken,
                    const std::string& focused, const std::string& disabled);

protected:
    void CreateParams(frame::WindowParams& params) override;

private:
    LuFourStateAppearance m_appearance;
    int m_modalResult = 0;
};

}  // namespace kiln
