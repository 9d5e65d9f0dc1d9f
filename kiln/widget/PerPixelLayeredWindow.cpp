#include "kiln/widget/PerPixelLayeredWindow.h"

#include "base/Handles.h"
#include "frame/DCScope.h"
#include "kiln/widget/LayeredStyle.h"

namespace kiln {

PerPixelLayeredWindowBase::PerPixelLayeredWindowBase()
    : m_update(reinterpret_cast<UpdateFn>(reinterpret_cast<void*>(FindUser32Function("UpdateLayeredWindow")))) {}

void PerPixelLayeredWindowBase::Apply(HWND window, frame::Bitmap& bitmap) {
    HBITMAP handle = BitmapHandle(bitmap);
    const SIZE size{bitmap.Width(), bitmap.Height()};
    const bool perPixel = bitmap.Format() == frame::PixelFormat::Bits32 && m_perPixelAllowed;
    if (!m_useConstantAlpha && !perPixel) {
        if (m_useColorKey) {
            SetLayeredStyles(window, true, m_clickThrough);
            Update(window, handle, size, nullptr, ULW_COLORKEY);
        } else if (SetLayeredStyles(window, false, m_clickThrough)) {
            RedrawWhole(window);
        }
        return;
    }
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (m_useConstantAlpha) blend.SourceConstantAlpha = m_constantAlpha;
    SetLayeredStyles(window, true, m_clickThrough);
    Update(window, handle, size, &blend, ULW_ALPHA);
}

void PerPixelLayeredWindowBase::Update(HWND window, HBITMAP bitmap, SIZE size, BLENDFUNCTION* blend, DWORD flags) {
    // An empty bitmap has no native handle; pushing nothing would only make
    // the system reject the call.
    if (!m_update || !bitmap) return;
    frame::WindowDC windowDC(window);
    base::MemoryDC memoryDC(CreateCompatibleDC(windowDC.Get()));
    RECT rect;
    GetWindowRect(window, &rect);
    POINT destination{rect.left, rect.top};
    POINT source{0, 0};
    frame::SelectObjectScope selected(memoryDC.Get(), bitmap);
    m_update(window, windowDC.Get(), &destination, &size, memoryDC.Get(), &source, ColorKey(), blend, flags);
}

}  // namespace kiln
