#include "kiln/widget/layout/TListBoxLayout.h"

#include "frame/DCScope.h"

namespace kiln {

void TCustomListBoxLayout::Attach(frame::ListBox& listBox) {
    m_listBox = &listBox;
    m_previousDrawItem = listBox.OnDrawItem;
    m_previousMeasureItem = listBox.OnMeasureItem;
    m_previousWindowProc = listBox.WindowProc();
    listBox.OnDrawItem = [this](frame::ListBox*, int index, const RECT& rect, UINT state) {
        DrawItem(index, rect, state);
    };
    listBox.OnMeasureItem = [this](frame::ListBox* sender, int index, int& height) {
        // Items of a fixed-height list all keep the list's item height.
        if (m_listBox->Style() == frame::ListBoxStyle::OwnerDrawFixed) {
            if (m_previousMeasureItem) m_previousMeasureItem(sender, index, height);
            return;
        }
        height = MeasureItem(index);
    };
    listBox.SetWindowProc([this](frame::Message& message) {
        m_previousWindowProc(message);
        // The items paint every pixel; reporting the erase as done keeps the
        // list from flashing its background first.
        if (message.msg == WM_ERASEBKGND) message.result = 1;
    });
}

UINT TCustomListBoxLayout::TextFormat() const {
    UINT format = DT_SINGLELINE;
    if (m_horizontal == Right) format |= DT_RIGHT;
    if (m_horizontal == Centre) format |= DT_CENTER;
    if (m_vertical == Bottom) format |= DT_BOTTOM;
    if (m_vertical == Middle) format |= DT_VCENTER;
    return format;
}

void TCustomListBoxLayout::DrawItem(int index, const RECT& rect, UINT state) {
    frame::Canvas& canvas = m_listBox->Canvas();
    canvas.Brush().style = frame::Brush::Style::Solid;
    canvas.Brush().color = (state & ODS_SELECTED) ? m_selectionColor : m_listBox->GetColor();
    m_rectPainter->Fill(canvas, rect);
    if (index < 0 || index >= m_listBox->Count()) return;
    RECT text{rect.left + m_margins.left, rect.top + m_margins.top, rect.right - m_margins.right,
              rect.bottom - m_margins.bottom};
    canvas.Font().Assign(m_listBox->Font());
    m_textPainter->DrawItemText(canvas, m_listBox->Item(index), text, TextFormat(), state);
}

int TCustomListBoxLayout::MeasureItem(int index) {
    if (index < 0 || index >= m_listBox->Count()) return m_listBox->ItemHeight();
    frame::WindowDC dc(m_listBox->Handle());
    frame::Canvas canvas(dc.Get());
    canvas.Font().Assign(m_listBox->Font());
    RECT text{0, 0, m_listBox->ClientWidth() - m_margins.left - m_margins.right, 0};
    m_textPainter->CalcRect(canvas, m_listBox->Item(index), text, TextFormat());
    return text.bottom - text.top + m_margins.top + m_margins.bottom;
}

}  // namespace kiln
