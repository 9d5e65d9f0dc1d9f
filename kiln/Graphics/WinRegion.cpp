#include "kiln/Graphics/WinRegion.h"

#include "base/Diagnostics.h"
#include "frame/DCScope.h"

#include <vector>

namespace kiln {
namespace {

constexpr const char* kSource = "kiln/Graphics/Source/WinRegion";

}  // namespace

WinRegion::WinRegion() : m_region(CreateRectRgn(0, 0, 0, 0)) {
    HRGN hrgn = m_region.Get();
    BASE_ASSERT(hrgn != NULL, kSource);
}

WinRegion::~WinRegion() = default;

void WinRegion::SetRect(int left, int top, int right, int bottom) {
    BOOL result = SetRectRgn(m_region.Get(), left, top, right, bottom);
    BASE_ASSERT(result != 0, kSource);
}

void WinRegion::Clear() { SetRect(0, 0, 0, 0); }

void WinRegion::Subtract(HRGN other) { Combine(m_region.Get(), m_region.Get(), other, RGN_DIFF); }

void WinRegion::Combine(HRGN destination, HRGN source1, HRGN source2, int mode) {
    int combineResult = CombineRgn(destination, source1, source2, mode);
    BASE_ASSERT(combineResult != ERROR, kSource);
}

base::GdiRegion WinRegion::Copy() const {
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    BASE_ASSERT(copy != NULL, kSource);
    base::GdiRegion owned(copy);
    Combine(copy, m_region.Get(), nullptr, RGN_COPY);
    return owned;
}

void WinRegion::SubtractRun(int x0, int x1, int y) {
    HRGN run = CreateRectRgn(x0, y, x1, y + 1);
    BASE_ASSERT(run != NULL, kSource);
    base::GdiRegion owned(run);
    Subtract(run);
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
    const int copied = GetDIBits(frame::ScreenMeasureDC(), bitmap, 0, height, rows.data(), &request, DIB_RGB_COLORS);
    if (copied != height) {
        // Unreadable pixels cannot be keyed out; the control stays rectangular.
        SetRect(0, 0, width, height);
        return;
    }
    BuildFromPixels(PixelView{rows.data(), width, height, stride, 3}, key);
}

int WinRegion::ApplyToWindow(HWND window, bool redraw) const {
    base::GdiRegion copy = Copy();
    const int result = SetWindowRgn(window, copy.Get(), redraw);
    if (result) copy.Release();  // a window that accepted the region owns it
    return result;
}

}  // namespace kiln
