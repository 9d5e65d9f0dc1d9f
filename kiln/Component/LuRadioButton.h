#pragma once
// A radio button with eight faces: four unchecked, four checked. Checking it
// unchecks the controls of exactly its own class on the same parent.

#include "kiln/Component/LuAppearance.h"
#include "kiln/Component/LuCustomControl.h"

namespace kiln {

class LuRadioButton : public LuCustomControl {
public:
    explicit LuRadioButton(bool clicksDisabled = false);

    const char* ClassName() const override { return "LuRadioButton"; }

    void ShowRaised() override { ShowOffset(0); }
    void ShowSunken() override { ShowOffset(1); }
    void ShowFocused() override { ShowOffset(2); }
    void ShowDisabled() override { ShowOffset(3); }
    int Substitute(int index) override;
    void Click() override;
    void DblClick() override;
    bool GetChecked() const override { return m_checked; }
    void SetChecked(bool checked) override;

    virtual bool IsExclusiveType(LuControl* other);
    void ExcludeOther();

    LuRadioBtnAppearance& Appearance() { return m_appearance; }

protected:
    void FaceChanged(frame::Bitmap& face) override;
    long AccessibleRole() const override;
    long AccessibleState() const override;

private:
    void ShowOffset(int offset) { ShowBitmap((m_checked ? 4 : 0) + offset); }

    LuRadioBtnAppearance m_appearance;
    bool m_checked = false;
};

}  // namespace kiln
