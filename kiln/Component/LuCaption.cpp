#include "kiln/Component/LuCaption.h"

namespace kiln {

void LuCaption::Draw(frame::Canvas& canvas, const std::string& text, frame::Font& font, COLORREF color) {
    RECT rect = m_textRect;
    if (m_drawDisplaced) {
        m_drawDisplaced = false;
        rect.left += m_disp.x;
        rect.top += m_disp.y;
    }
    if (text.empty()) return;
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    canvas.Font().Assign(font);
    canvas.Font().SetColor(color);
    const frame::Brush::Style style = canvas.Brush().style;
    canvas.Brush().style = frame::Brush::Style::Clear;
    canvas.DrawText(text, rect, format);
    canvas.Brush().style = style;
}

}  // namespace kiln
