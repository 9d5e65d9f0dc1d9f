#include "frame/Label.h"

#include "frame/Canvas.h"
#include "frame/DCScope.h"

namespace frame {

Label::Label() {
    m_width = 65;
    m_height = 13;
}

void Label::SetCaption(const std::string& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    PropertiesChanged();
}

void Label::SetAlignment(frame::Alignment alignment) {
    m_alignment = alignment;
    Invalidate();
}

void Label::SetLayout(TextLayout layout) {
    m_layout = layout;
    Invalidate();
}

void Label::SetWordWrap(bool wrap) {
    m_wordWrap = wrap;
    PropertiesChanged();
}

void Label::SetTransparent(bool transparent) {
    m_transparent = transparent;
    Invalidate();
}

void Label::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    AdjustSize();
}

void Label::PropertiesChanged() {
    AdjustSize();
    Invalidate();
}

UINT Label::TextFlags() const {
    UINT flags = DT_EXPANDTABS;
    switch (m_alignment) {
    case frame::Alignment::Left: flags |= DT_LEFT; break;
    case frame::Alignment::Right: flags |= DT_RIGHT; break;
    case frame::Alignment::Center: flags |= DT_CENTER; break;
    }
    if (m_wordWrap) flags |= DT_WORDBREAK;
    return flags;
}

void Label::DoDrawText(Canvas& canvas, RECT& rect, UINT flags) {
    if (!Enabled()) canvas.Font().SetColor(colors::GrayText);
    // DrawText measures an empty string as zero lines; keep one line's height.
    const bool measureEmpty = (flags & DT_CALCRECT) && m_caption.empty();
    canvas.DrawText(measureEmpty ? std::string(1, ' ') : DrawnCaption(), rect, flags);
}

void Label::Paint(Canvas& canvas) {
    RECT client = ClientRect();
    if (!m_transparent) {
        canvas.Brush().color = GetColor();
        canvas.Brush().style = Brush::Style::Solid;
        canvas.FillRect(client);
    }
    canvas.Brush().style = Brush::Style::Clear;
    canvas.Font().Assign(Font());
    UINT flags = TextFlags();
    RECT rect = client;
    if (m_layout != TextLayout::Top) {
        RECT measured = client;
        DoDrawText(canvas, measured, flags | DT_CALCRECT);
        int textHeight = measured.bottom - measured.top;
        int offset = m_layout == TextLayout::Center ? (client.bottom - textHeight) / 2 : client.bottom - textHeight;
        rect.top += offset;
    }
    DoDrawText(canvas, rect, flags);
}

void Label::AdjustSize() {
    if (!m_autoSize) return;
    Canvas canvas(ScreenMeasureDC());
    canvas.Font().Assign(Font());
    RECT rect{0, 0, m_wordWrap ? Width() : 0, 0};
    DoDrawText(canvas, rect, TextFlags() | DT_CALCRECT);
    int width = m_wordWrap ? Width() : rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int left = Left();
    if (m_alignment == frame::Alignment::Right) left += Width() - width;
    else if (m_alignment == frame::Alignment::Center) left += (Width() - width) / 2;
    SetBounds(left, Top(), width, height);
}

}  // namespace frame
