#include "frame/Types.h"

namespace frame {

COLORREF ColorToRGB(Color color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFFu));
    return color & 0x00FFFFFFu;
}

ShiftState ShiftFromMouseKeys(WPARAM keys) {
    ShiftState state = 0;
    if (keys & MK_SHIFT) state |= shift::Shift;
    if (keys & MK_CONTROL) state |= shift::Ctrl;
    if (keys & MK_LBUTTON) state |= shift::Left;
    if (keys & MK_RBUTTON) state |= shift::Right;
    if (keys & MK_MBUTTON) state |= shift::Middle;
    return state;
}

}  // namespace frame
