#pragma once
// Item text of owner-drawn lists, coloured by the item's draw state.

#include "kiln/widget/layout/TTextLayout.h"

namespace kiln {

class TOwnerDrawTextLayout : public TTextLayout {
public:
    static TOwnerDrawTextLayout& Instance();

    // state holds the ODS_* flags of the item being drawn.
    virtual void DrawItemText(frame::Canvas& canvas, const std::string& text, RECT& rect, UINT format,
                              UINT state);

private:
    frame::Color m_selectedColor = frame::colors::HighlightText;
    frame::Color m_grayedColor = frame::colors::GrayText;
};

}  // namespace kiln
