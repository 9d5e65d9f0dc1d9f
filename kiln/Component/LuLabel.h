#pragma once
// A label whose text can carry a soft blurred shadow, and which can be made
// to keep its caption inside its box.

#include "frame/Label.h"
#include "kiln/widget/layout/TShadedTextLayout.h"

#include <string>

namespace kiln {

class LuLabel : public frame::Label {
public:
    void SetShaded(bool shaded);
    // A fitted label keeps its size and shows its caption on one line; a
    // caption wider than the box shows its beginning followed by "...", and
    // the whole caption becomes the label's hint. Right-aligned captions
    // would otherwise lose their first letters to the box's left edge.
    void SetFitted(bool fitted);
    // The text drawn: the caption, or its shortened form.
    const std::string& ShownCaption() const { return DrawnCaption(); }

    void SetBounds(int left, int top, int width, int height) override;

protected:
    void DoDrawText(frame::Canvas& canvas, RECT& rect, UINT flags) override;
    const std::string& DrawnCaption() const override;
    void PropertiesChanged() override;

private:
    void Fit();
    // The canvas holds the label's font.
    void FitTo(frame::Canvas& canvas);

    TShadedTextLayout m_layout;
    bool m_fitted = false;
    std::string m_shown;
};

}  // namespace kiln
