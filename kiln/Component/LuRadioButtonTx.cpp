#include "kiln/Component/LuRadioButtonTx.h"

#include <cstring>

namespace kiln {

COLORREF LuRadioButtonTx::CaptionColor() {
    const int offset = FaceIndex() % 4;
    if (GetChecked()) return m_fontColors.Check.ColorFor(offset, Font().GetColor());
    return m_fontColors.Uncheck.ColorFor(offset, Font().GetColor());
}

bool LuRadioButtonTx::IsExclusiveType(LuControl* other) {
    return std::strcmp(other->ClassName(), "LuRadioButtonTx") == 0;
}

}  // namespace kiln
