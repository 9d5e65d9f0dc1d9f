#pragma once
// A label whose text can carry a soft blurred shadow.

#include "frame/Label.h"
#include "kiln/widget/layout/TShadedTextLayout.h"

namespace kiln {

class LuLabel : public frame::Label {
public:
    void SetShaded(bool shaded);
    // Extra DrawText flags for every draw.
    void SetTextFormat(UINT format);

protected:
    void DoDrawText(frame::Canvas& canvas, RECT& rect, UINT flags) override;

private:
    TShadedTextLayout m_layout;
    UINT m_textFormat = 0;
};

}  // namespace kiln
