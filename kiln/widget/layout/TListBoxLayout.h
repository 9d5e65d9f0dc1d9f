#pragma once
// Paints the items of an owner-drawn list box: background in the selection
// or list colour, text through a text painter with margins and placement.

#include "frame/ListBox.h"
#include "kiln/widget/layout/TFrameLayout.h"
#include "kiln/widget/layout/TOwnerDrawTextLayout.h"

namespace kiln {

class TCustomListBoxLayout {
public:
    enum Horizontal { Left = 0, Right = 1, Centre = 2 };
    enum Vertical { Top = 0, Bottom = 1, Middle = 2 };

    virtual ~TCustomListBoxLayout() = default;

    // The list box must be owner-drawn; it outlives this object.
    void Attach(frame::ListBox& listBox);

    void SetSelectionColor(frame::Color color) { m_selectionColor = color; }
    void SetMargins(int left, int top, int right, int bottom) { m_margins = RECT{left, top, right, bottom}; }

    UINT TextFormat() const;
    virtual void DrawItem(int index, const RECT& rect, UINT state);
    virtual int MeasureItem(int index);

protected:
    frame::ListBox* m_listBox = nullptr;

private:
    frame::DrawItemEvent m_previousDrawItem;
    frame::MeasureItemEvent m_previousMeasureItem;
    frame::WindowProcedure m_previousWindowProc;
    TOwnerDrawTextLayout* m_textPainter = &TOwnerDrawTextLayout::Instance();
    TFrameLayout* m_rectPainter = &TFrameLayout::Instance();
    frame::Color m_selectionColor = frame::colors::Highlight;
    Horizontal m_horizontal = Left;
    Vertical m_vertical = Middle;
    RECT m_margins{0, 0, 0, 0};
};

class TListBoxLayout : public TCustomListBoxLayout {};

}  // namespace kiln
