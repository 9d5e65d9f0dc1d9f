#include "kiln/Graphics/WinRegion.h"

#include "kiln/System/Diagnostics.h"

#include <vector>

namespace kiln {
namespace {

constexpr const char* kSource = "kiln/Graphics/Source/WinRegion";

}  // namespace

WinRegion::WinRegion() : m_region(CreateRectRgn(0, 0, 0, 0)) {
    HRGN hrgn = m_region;
    KILN_ASSERT(hrgn != NULL, kSource);
}

WinRegion::~WinRegion() { DeleteObject(m_region); }

void WinRegion::SetRect(int left, int top, int right, int bottom) {
    BOOL result = SetRectRgn(m_region, left, top, right, bottom);
    KILN_ASSERT(result != 0, kSource);
}

void WinRegion::Clear() { SetRect(0, 0, 0, 0); }

void WinRegion::Subtract(HRGN other) { Combine(m_region, m_region, other, RGN_DIFF); }

void WinRegion::Combine(HRGN destination, HRGN source1, HRGN source2, int mode) {
    int combineResult = CombineRgn(destination, source1, source2, mode);
    KILN_ASSERT(combineResult != ERROR, kSource);
}

HRGN WinRegion::Copy() const {
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    KILN_ASSERT(copy != NULL, kSource);
    Combine(copy, m_region, nullptr, RGN_COPY);
    return copy;
}

void WinRegion::SubtractRun(int x0, int x1, int y) {
    HRGN run = CreateRectRgn(x0, y, x1, y + 1);
    KILN_ASSERT(run != NULL, kSource);
    Subtract(run);
    DeleteObject(run);
}

void WinRegion::BuildFromPixels(const PixelView& pixels, COLORREF key) {
    SetRect(0, 0, pixels.width, pixels.height);
    if (pixels.Empty()) return;
    const BYTE red = GetRValue(key), green = GetGValue(key), blue = GetBValue(key);
    for (int y = 0; y < pixels.height; ++y) {
        const BYTE* row = pixels.Row(y);
        auto isKey = [&](int x) {
            const BYTE* p = row + x * pixels.bytesPerPixel;
            return p[0] == blue && p[1] == green && p[2] == red;
        };
        int x = 0;
        while (x < pixels.width) {
            if (!isKey(x)) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < pixels.width && isKey(x)) ++x;
            SubtractRun(x0, x, y);
        }
    }
}

void WinRegion::BuildFromBitmap(HBITMAP bitmap, COLORREF key) {
    BITMAP info{};
    if (!bitmap || !GetObject(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) {
        SetRect(0, 0, info.bmWidth > 0 ? info.bmWidth : 0, info.bmHeight > 0 ? info.bmHeight : 0);
        return;
    }
    const int width = info.bmWidth, height = info.bmHeight;
    const int stride = DibStride(width, 24);
    std::vector<BYTE> rows(static_cast<size_t>(stride) * height);
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 24;
    request.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int copied = GetDIBits(screen, bitmap, 0, height, rows.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (copied != height) {
        // Unreadable pixels cannot be keyed out; the control stays rectangular.
        SetRect(0, 0, width, height);
        return;
    }
    BuildFromPixels(PixelView{rows.data(), width, height, stride, 3}, key);
}

int WinRegion::ApplyToWindow(HWND window, bool redraw) const {
    HRGN copy = Copy();
    const int result = SetWindowRgn(window, copy, redraw);
    if (!result) DeleteObject(copy);  // only a window that accepted it owns it
    return result;
}

}  // namespace kiln
