#pragma once
// The caption part of the skinned controls with text: where the text goes,
// how far it moves while the control is pressed, and how it is drawn.

#include "frame/Canvas.h"

#include <string>

namespace kiln {

class LuCaption {
public:
    RECT TextRect() const { return m_textRect; }
    void SetTextRect(const RECT& rect) { m_textRect = rect; }
    // The next draw, and only that one, is shifted by the displacement.
    void ArmDisplacement() { m_drawDisplaced = true; }

    void Draw(frame::Canvas& canvas, const std::string& text, frame::Font& font, COLORREF color);

private:
    RECT m_textRect{0, 0, 0, 0};
    POINT m_disp{2, 2};
    bool m_drawDisplaced = false;
};

}  // namespace kiln
