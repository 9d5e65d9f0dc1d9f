#pragma once
// Windows whose whole content is one bitmap pushed with UpdateLayeredWindow:
// a 32-bit bitmap with premultiplied alpha gives soft per-pixel edges (the
// drop shadows), any other bitmap a colour key or a constant alpha.

#include "frame/Bitmap.h"
#include "kiln/widget/LayeredAttributes.h"

#include <windows.h>

namespace kiln {

class PerPixelLayeredWindowBase : public LayeredAttributes {
public:
    PerPixelLayeredWindowBase();
    virtual ~PerPixelLayeredWindowBase() = default;
    PerPixelLayeredWindowBase(const PerPixelLayeredWindowBase&) = delete;
    PerPixelLayeredWindowBase& operator=(const PerPixelLayeredWindowBase&) = delete;

    // Makes the window show `bitmap` as its whole content. Does nothing on a
    // system without UpdateLayeredWindow, where the window keeps its look.
    void Apply(HWND window, frame::Bitmap& bitmap);

    bool PerPixelAlphaAllowed() const { return m_perPixelAllowed; }
    void SetPerPixelAlphaAllowed(bool on) { m_perPixelAllowed = on; }

protected:
    virtual HBITMAP BitmapHandle(frame::Bitmap& bitmap) = 0;

private:
    using UpdateFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

    void Update(HWND window, HBITMAP bitmap, SIZE size, BLENDFUNCTION* blend, DWORD flags);

    bool m_perPixelAllowed = false;
    UpdateFn m_update;
};

class TPerPixelLayeredWindowMaker : public PerPixelLayeredWindowBase {
protected:
    HBITMAP BitmapHandle(frame::Bitmap& bitmap) override { return bitmap.SharedHandle(); }
};

}  // namespace kiln
