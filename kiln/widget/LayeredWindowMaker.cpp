#include "kiln/widget/LayeredWindowMaker.h"

#include "base/Diagnostics.h"
#include "kiln/widget/LayeredStyle.h"

namespace kiln {

namespace {
constexpr const char* kSource = "kiln/widget/Source/LayeredWindow";
}

LayeredWindowMaker::LayeredWindowMaker()
    : m_setAttributes(reinterpret_cast<SetAttributesFn>(
          reinterpret_cast<void*>(FindUser32Function("SetLayeredWindowAttributes")))) {}

void LayeredWindowMaker::Apply(HWND window) {
    BASE_ASSERT(IsEnabled(), kSource);
    if (!m_useColorKey && !m_useConstantAlpha) {
        if (SetLayeredStyles(window, false, m_clickThrough)) RedrawWhole(window);
        return;
    }
    SetLayeredStyles(window, true, m_clickThrough);
    DWORD flags = 0;
    if (m_useColorKey) flags |= LWA_COLORKEY;
    if (m_useConstantAlpha) flags |= LWA_ALPHA;
    m_setAttributes(window, ColorKey(), m_constantAlpha, flags);
}

void LayeredWindowMaker::Remove(HWND window) {
    if (SetLayeredStyles(window, false, false)) RedrawWhole(window);
}

}  // namespace kiln
