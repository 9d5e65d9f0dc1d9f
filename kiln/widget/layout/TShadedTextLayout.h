#pragma once
// Text with a soft shadow: the text's shape is blurred into an alpha mask,
// blended under the text at an offset, and the text drawn on top.

#include "frame/Bitmap.h"
#include "kiln/widget/layout/TTextLayout.h"

#include <functional>

namespace kiln {

class TShadedTextLayout : public TTextLayout {
public:
    void DrawText(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) override;
    void CalcRect(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) override;
    void DrawWideText(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) override;
    void CalcWideRect(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) override;

    bool Shaded() const { return m_shaded; }
    void SetShaded(bool shaded) { m_shaded = shaded; }
    void SetShadowAlpha(BYTE alpha) { m_shadowAlpha = alpha; }
    void SetShadowOffset(int dx, int dy) { m_offset = {dx, dy}; }
    // The blur reaches this far past the text; drawn text keeps this margin.
    // A radius and sigma whose kernel the blur cannot compute exactly is
    // refused: false, and the layout keeps what it had.
    int BlurRadius() const { return m_radius; }
    bool SetBlurRadius(int radius);
    float BlurSigma() const { return m_sigma; }
    bool SetBlurSigma(float sigma);

    // The shadow of the text as it would be drawn into rect: a 32-bit bitmap
    // of rect's size in the shadow colour whose alpha is the blurred text.
    frame::Bitmap MakeShadow(frame::Canvas& canvas, const std::string& text, const RECT& rect, UINT format) const;

private:
    // Draws the text into a DC whose font and colour are already chosen.
    using TextPainter = std::function<void(HDC dc, RECT& rect)>;

    RECT Inner(const RECT& rect) const;
    frame::Bitmap MakeShadowOf(frame::Canvas& canvas, const RECT& rect, const TextPainter& paint) const;
    // Blends the shadow under whatever the canvas shows in rect.
    void PutShadow(frame::Canvas& canvas, const RECT& rect, frame::Bitmap shadow) const;
    // The rectangle measured for the inner rectangle, widened for the shadow.
    void WidenForShadow(RECT& rect, const RECT& measured) const;

    POINT m_offset{1, 1};
    BYTE m_shadowAlpha = 120;
    COLORREF m_shadowColor = 0;
    int m_radius = 2;
    float m_sigma = 1.0f;
    bool m_shaded = true;
};

}  // namespace kiln
