#include "kiln/widget/layout/TShadedTextLayout.h"

#include "base/Handles.h"
#include "frame/DCScope.h"
#include "kiln/Graphics/BitmapView.h"
#include "kiln/Graphics/Blend.h"
#include "kiln/Graphics/CanvasCapture.h"
#include "kiln/widget/layout/GaussianFilterFactory.h"

#include <cstdlib>
#include <vector>

namespace kiln {

namespace {

// Radius 0 and below stay the programming error the kernel factory stops
// on; only radii it could not compute are refused here.
bool Serves(int radius, float sigma) {
    GaussianFilterFactory factory;
    factory.SetSigma(sigma);
    return radius <= 0 || factory.Serves(radius);
}

}  // namespace

bool TShadedTextLayout::SetBlurRadius(int radius) {
    if (!Serves(radius, m_sigma)) return false;
    m_radius = radius;
    return true;
}

bool TShadedTextLayout::SetBlurSigma(float sigma) {
    if (!Serves(m_radius, sigma)) return false;
    m_sigma = sigma;
    return true;
}

RECT TShadedTextLayout::Inner(const RECT& rect) const {
    return RECT{rect.left + m_radius, rect.top + m_radius, rect.right - m_radius, rect.bottom - m_radius};
}

frame::Bitmap TShadedTextLayout::MakeShadow(frame::Canvas& canvas, const std::string& text, const RECT& rect,
                                         UINT format) const {
    return MakeShadowOf(canvas, rect, [&](HDC dc, RECT& inner) {
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inner, format);
    });
}

frame::Bitmap TShadedTextLayout::MakeShadowOf(frame::Canvas& canvas, const RECT& rect, const TextPainter& paint) const {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    frame::Bitmap shadow(width, height, frame::PixelFormat::Bits32);
    if (shadow.Empty()) return shadow;
    {
        base::MemoryDC memory(CreateCompatibleDC(canvas.Handle()));
        frame::SelectObjectScope bitmap(memory.Get(), shadow.Handle());
        frame::SelectObjectScope font(memory.Get(), canvas.Font().Handle());
        SetTextColor(memory.Get(), RGB(255, 255, 255));
        SetBkMode(memory.Get(), TRANSPARENT);
        RECT inner = Inner(rect);
        OffsetRect(&inner, -rect.left, -rect.top);
        paint(memory.Get(), inner);
    }
    GdiFlush();

    const PixelView pixels = ViewOf(shadow);
    std::vector<int> grey(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const BYTE* p = pixels.Pixel(x, y);
            grey[y * width + x] = static_cast<int>(0.299 * p[2] + 0.587 * p[1] + 0.114 * p[0] + 0.5);
        }
    }
    GaussianFilterFactory factory;
    factory.SetSigma(m_sigma);
    const GaussianKernel kernel = factory.Make(m_radius);
    const int r = kernel.radius;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            BYTE* p = pixels.Pixel(x, y);
            p[0] = GetBValue(m_shadowColor);
            p[1] = GetGValue(m_shadowColor);
            p[2] = GetRValue(m_shadowColor);
            p[3] = 0;
            // Near the border the kernel would reach outside; no shadow there.
            if (x < r || y < r || x >= width - r || y >= height - r) continue;
            const int blurred = kernel.BlurAt(grey, width, x, y);
            p[3] = static_cast<BYTE>(blurred * m_shadowAlpha / 255);
        }
    }
    return shadow;
}

void TShadedTextLayout::PutShadow(frame::Canvas& canvas, const RECT& rect, frame::Bitmap shadow) const {
    if (shadow.Empty()) return;
    frame::Bitmap background = CaptureRect(canvas.Handle(), rect);
    const RECT whole{0, 0, shadow.Width(), shadow.Height()};
    Blend(ReadViewOf(shadow), whole, ViewOf(background), m_offset.x, m_offset.y, 255);
    PutBitmap(canvas.Handle(), rect.left, rect.top, background);
}

void TShadedTextLayout::WidenForShadow(RECT& rect, const RECT& measured) const {
    rect = measured;
    if (m_shaded) {
        rect.right = measured.right + 3 + std::abs(m_offset.x);
        rect.bottom = measured.bottom + 3 + std::abs(m_offset.y);
    }
}

void TShadedTextLayout::DrawText(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) {
    RECT inner = Inner(rect);
    if (m_shaded) PutShadow(canvas, rect, MakeShadow(canvas, text, rect, format));
    TTextLayout::DrawText(canvas, text, inner, format);
}

void TShadedTextLayout::DrawWideText(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) {
    RECT inner = Inner(rect);
    if (m_shaded)
        PutShadow(canvas, rect, MakeShadowOf(canvas, rect, [&](HDC dc, RECT& at) {
                      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &at, format);
                  }));
    TTextLayout::DrawWideText(canvas, text, inner, format);
}

void TShadedTextLayout::CalcRect(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) {
    RECT inner = Inner(rect);
    TTextLayout::CalcRect(canvas, text, inner, format);
    WidenForShadow(rect, inner);
}

void TShadedTextLayout::CalcWideRect(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) {
    RECT inner = Inner(rect);
    TTextLayout::CalcWideRect(canvas, text, inner, format);
    WidenForShadow(rect, inner);
}

}  // namespace kiln
