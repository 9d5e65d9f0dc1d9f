#include "kiln/widget/layout/TOwnerDrawTextLayout.h"

namespace kiln {

TOwnerDrawTextLayout& TOwnerDrawTextLayout::Instance() {
    static TOwnerDrawTextLayout shared;
    return shared;
}

void TOwnerDrawTextLayout::DrawItemText(frame::Canvas& canvas, const std::string& text, RECT& rect,
                                        UINT format, UINT state) {
    if (state & (ODS_GRAYED | ODS_DISABLED))
        canvas.Font().SetColor(m_grayedColor);
    else if (state & ODS_SELECTED)
        canvas.Font().SetColor(m_selectedColor);
    DrawText(canvas, text, rect, format);
}

}  // namespace kiln
