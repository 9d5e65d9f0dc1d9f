#include "kiln/Component/LuAppearance.h"

#include "kiln/Component/LuCustomControl.h"

namespace kiln {

frame::Bitmap& LuFourStateAppearance::Face(int offset) const { return m_control.Face(m_base + offset); }

void LuFourStateAppearance::SetFace(int offset, const frame::Bitmap& bitmap) {
    Face(offset).Assign(bitmap);
    if (m_base + offset == 0) m_control.SetTransparentColor(bitmap.TransparentColor());
}

}  // namespace kiln
