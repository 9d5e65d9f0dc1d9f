#pragma once
// A radio button with a caption drawn over its faces in a colour per state.

#include "kiln/Component/LuCaptioned.h"
#include "kiln/Component/LuFontColor.h"
#include "kiln/Component/LuRadioButton.h"

namespace kiln {

class LuRadioButtonTx : public LuCaptioned<LuRadioButton, LuRadioBtnFontColor> {
public:
    explicit LuRadioButtonTx(bool clicksDisabled = false) : LuCaptioned(clicksDisabled) {}

    const char* ClassName() const override { return "LuRadioButtonTx"; }

    COLORREF CaptionColor() override;
    bool IsExclusiveType(LuControl* other) override;
};

}  // namespace kiln
