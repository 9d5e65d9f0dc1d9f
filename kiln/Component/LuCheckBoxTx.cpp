#include "kiln/Component/LuCheckBoxTx.h"

namespace kiln {

COLORREF LuCheckBoxTx::CaptionColor() {
    const int offset = FaceIndex() % 4;
    switch (State()) {
    case CheckState::Checked: return m_fontColors.Check.ColorFor(offset, Font().GetColor());
    case CheckState::Grayed: return m_fontColors.Gray.ColorFor(offset, Font().GetColor());
    default: return m_fontColors.Uncheck.ColorFor(offset, Font().GetColor());
    }
}

}  // namespace kiln
