#include "kiln/widget/LayeredStyle.h"

namespace kiln {

bool SetLayeredStyles(HWND window, bool layered, bool transparent) {
    constexpr LONG kBoth = WS_EX_LAYERED | WS_EX_TRANSPARENT;
    const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
    const LONG wanted = (layered ? WS_EX_LAYERED : 0) | (transparent ? WS_EX_TRANSPARENT : 0);
    if ((style & kBoth) == wanted) return false;
    SetWindowLongW(window, GWL_EXSTYLE, (style & ~kBoth) | wanted);
    return true;
}

void RedrawWhole(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

FARPROC FindUser32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? GetProcAddress(user32, name) : nullptr;
}

}  // namespace kiln
