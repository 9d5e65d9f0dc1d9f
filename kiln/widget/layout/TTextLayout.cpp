#include "kiln/widget/layout/TTextLayout.h"

namespace kiln {
namespace {

// Puts the canvas' brush style back after a transparent draw.
class ClearBrushScope {
public:
    explicit ClearBrushScope(frame::Canvas& canvas) : m_canvas(canvas), m_style(canvas.Brush().style) {
        canvas.Brush().style = frame::Brush::Style::Clear;
    }
    ClearBrushScope(const ClearBrushScope&) = delete;
    ClearBrushScope& operator=(const ClearBrushScope&) = delete;
    ~ClearBrushScope() { m_canvas.Brush().style = m_style; }

private:
    frame::Canvas& m_canvas;
    frame::Brush::Style m_style;
};

}  // namespace

void TTextLayout::DrawText(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) {
    ClearBrushScope clear(canvas);
    canvas.DrawText(text, rect, format);
}

void TTextLayout::DrawWideText(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) {
    ClearBrushScope clear(canvas);
    canvas.DrawWideText(text, rect, format);
}

void TTextLayout::CalcRect(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format) {
    canvas.DrawText(text, rect, format | DT_CALCRECT);
}

void TTextLayout::CalcWideRect(frame::Canvas& canvas, const std::wstring& text, RECT& rect, UINT format) {
    canvas.DrawWideText(text, rect, format | DT_CALCRECT);
}

}  // namespace kiln
