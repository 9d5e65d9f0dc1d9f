#pragma once
// A label whose text can carry a soft blurred shadow.

#include "frame/Label.h"
#include "kiln/widget/layout/TShadedTextLayout.h"

namespace kiln {

class LuLabel : public frame::Label {
public:
    bool Shaded() const { return m_layout.Shaded(); }
    void SetShaded(bool shaded);
    BYTE ShadeAlphaValue() const { return m_layout.ShadowAlpha(); }
    void SetShadeAlphaValue(BYTE alpha) { m_layout.SetShadowAlpha(alpha); }
    // Extra DrawText flags for every draw.
    UINT TextFormat() const { return m_textFormat; }
    void SetTextFormat(UINT format);
    TShadedTextLayout& ShadedLayout() { return m_layout; }

protected:
    void DoDrawText(frame::Canvas& canvas, RECT& rect, UINT flags) override;

private:
    TShadedTextLayout m_layout;
    UINT m_textFormat = 0;
};

}  // namespace kiln
