#pragma once
// One window region for the object's whole life: the outline of a skinned
// control, built from its face picture minus the key-coloured pixels.

#include "base/Handles.h"
#include "kiln/Graphics/PixelView.h"

#include <windows.h>

namespace kiln {

class WinRegion {
public:
    WinRegion();
    ~WinRegion();
    WinRegion(const WinRegion&) = delete;
    WinRegion& operator=(const WinRegion&) = delete;

    HRGN Handle() const { return m_region.Get(); }

    void SetRect(int left, int top, int right, int bottom);
    void Clear();
    void Subtract(HRGN other);
    static void Combine(HRGN destination, HRGN source1, HRGN source2, int mode);
    // A new region of the same shape.
    base::GdiRegion Copy() const;

    // key is a COLORREF (red in the low byte). The bitmap is read as 24 bits
    // per pixel through a copy, so its own pixel format never changes.
    void BuildFromBitmap(HBITMAP bitmap, COLORREF key);
    // The same on pixel rows already in 24-bit (blue, green, red) layout.
    void BuildFromPixels(const PixelView& pixels24, COLORREF key);

    // The window takes ownership of a copy; this object keeps its region.
    int ApplyToWindow(HWND window, bool redraw) const;

private:
    void SubtractRun(int x0, int x1, int y);

    base::GdiRegion m_region;
};

}  // namespace kiln
