#pragma once
// A check box with twelve faces: four for each of unchecked, checked and
// grayed.

#include "kiln/Component/LuAppearance.h"
#include "kiln/Component/LuCustomControl.h"

namespace kiln {

enum class CheckState { Unchecked = 0, Checked = 1, Grayed = 2 };

class LuCheckBox : public LuCustomControl {
public:
    explicit LuCheckBox(bool clicksDisabled = false);

    const char* ClassName() const override { return "LuCheckBox"; }

    void ShowRaised() override { ShowOffset(0); }
    void ShowSunken() override { ShowOffset(1); }
    void ShowFocused() override { ShowOffset(2); }
    void ShowDisabled() override { ShowOffset(3); }
    int Substitute(int index) override;
    void Click() override;
    bool GetChecked() const override { return m_state == CheckState::Checked; }
    void SetChecked(bool checked) override;

    CheckState State() const { return m_state; }
    void SetState(CheckState state);
    void SetAllowGrayed(bool allow) { m_allowGrayed = allow; }
    LuChkBoxAppearance& Appearance() { return m_appearance; }

protected:
    void CreateParams(frame::WindowParams& params) override;
    long AccessibleRole() const override;
    long AccessibleState() const override;
    void FaceChanged(frame::Bitmap& face) override;

private:
    void ShowOffset(int offset) { ShowBitmap(static_cast<int>(m_state) * 4 + offset); }

    LuChkBoxAppearance m_appearance;
    CheckState m_state = CheckState::Unchecked;
    bool m_allowGrayed = false;
};

}  // namespace kiln
