#pragma once
// A check box with a caption drawn over its faces in a colour per state;
// the caption is always one line.

#include "kiln/Component/LuCaptioned.h"
#include "kiln/Component/LuCheckBox.h"
#include "kiln/Component/LuFontColor.h"

namespace kiln {

class LuCheckBoxTx : public LuCaptioned<LuCheckBox, LuCheckBoxFontColor> {
public:
    explicit LuCheckBoxTx(bool clicksDisabled = false) : LuCaptioned(clicksDisabled) {}

    const char* ClassName() const override { return "LuCheckBoxTx"; }

    COLORREF CaptionColor() override;
};

}  // namespace kiln
