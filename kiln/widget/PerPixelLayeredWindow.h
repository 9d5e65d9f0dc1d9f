#pragma once
// Windows whose whole content is one bitmap pushed with UpdateLayeredWindow:
// a 32-bit bitmap with premultiplied alpha gives soft per-pixel edges (the
// drop shadows), any other bitmap a colour key or a constant alpha.

#include "frame/Bitmap.h"

#include <windows.h>

#include <cstdint>

namespace kiln {

class PerPixelLayeredWindowBase {
public:
    PerPixelLayeredWindowBase();
    virtual ~PerPixelLayeredWindowBase() = default;
    PerPixelLayeredWindowBase(const PerPixelLayeredWindowBase&) = delete;
    PerPixelLayeredWindowBase& operator=(const PerPixelLayeredWindowBase&) = delete;

    // Makes the window show `bitmap` as its whole content. Does nothing on a
    // system without UpdateLayeredWindow, where the window keeps its look.
    void Apply(HWND window, frame::Bitmap& bitmap);

    COLORREF ColorKey() const { return m_colorKey & 0x00FFFFFF; }
    void SetColorKey(frame::Color color) { m_colorKey = (frame::ColorToRGB(color) & 0x00FFFFFF) | 0xFF000000; }
    bool UseColorKey() const { return m_useColorKey; }
    void SetUseColorKey(bool on) { m_useColorKey = on; }
    bool ClickThrough() const { return m_clickThrough; }
    void SetClickThrough(bool on) { m_clickThrough = on; }
    bool UseConstantAlpha() const { return m_useConstantAlpha; }
    void SetUseConstantAlpha(bool on) { m_useConstantAlpha = on; }
    BYTE ConstantAlpha() const { return m_constantAlpha; }
    void SetConstantAlpha(BYTE alpha) { m_constantAlpha = alpha; }
    bool PerPixelAlphaAllowed() const { return m_perPixelAllowed; }
    void SetPerPixelAlphaAllowed(bool on) { m_perPixelAllowed = on; }

protected:
    virtual HBITMAP BitmapHandle(frame::Bitmap& bitmap) = 0;

private:
    using UpdateFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);

    void Update(HWND window, HBITMAP bitmap, SIZE size, BLENDFUNCTION* blend, DWORD flags);

    uint32_t m_colorKey = 0xFFFFFFFF;
    bool m_useColorKey = false;
    bool m_clickThrough = false;
    bool m_useConstantAlpha = false;
    BYTE m_constantAlpha = 255;
    bool m_perPixelAllowed = false;
    UpdateFn m_update;
};

class TPerPixelLayeredWindowMaker : public PerPixelLayeredWindowBase {
protected:
    HBITMAP BitmapHandle(frame::Bitmap& bitmap) override { return bitmap.Handle(); }
};

}  // namespace kiln
