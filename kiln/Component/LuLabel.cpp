#include "kiln/Component/LuLabel.h"

namespace kiln {

void LuLabel::SetShaded(bool shaded) {
    m_layout.SetShaded(shaded);
    Invalidate();
}

void LuLabel::SetTextFormat(UINT format) {
    m_textFormat = format;
    Invalidate();
}

void LuLabel::DoDrawText(frame::Canvas& canvas, RECT& rect, UINT flags) {
    if (!m_layout.Shaded() || !Enabled()) {
        frame::Label::DoDrawText(canvas, rect, flags | m_textFormat);
        return;
    }
    flags |= m_textFormat;
    if (Layout() == frame::TextLayout::Center) flags |= DT_VCENTER;
    if (Layout() == frame::TextLayout::Bottom) flags |= DT_BOTTOM;
    if (WordWrap())
        flags = (flags | DT_WORDBREAK) & ~DT_SINGLELINE;
    else
        flags |= DT_SINGLELINE;
    // An empty caption still measures one line high.
    const std::string& text = Caption().empty() && (flags & DT_CALCRECT) ? std::string(" ") : Caption();
    if (flags & DT_CALCRECT)
        m_layout.CalcRect(canvas, text, rect, flags & ~DT_CALCRECT);
    else
        m_layout.DrawText(canvas, text, rect, flags);
}

}  // namespace kiln
