#pragma once
// A push button with a caption drawn over its faces in a colour per state.

#include "kiln/Component/LuButton.h"
#include "kiln/Component/LuCaptioned.h"
#include "kiln/Component/LuFontColor.h"

namespace kiln {

class LuButtonTx : public LuCaptioned<LuButton, LuThreeStateFontColor> {
public:
    explicit LuButtonTx(bool clicksDisabled = false) : LuCaptioned(clicksDisabled) {}

    const char* ClassName() const override { return "LuButtonTx"; }

    COLORREF CaptionColor() override { return m_fontColors.ColorFor(FaceIndex(), Font().GetColor()); }
};

}  // namespace kiln
