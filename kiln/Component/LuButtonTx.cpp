#include "kiln/Component/LuButtonTx.h"

namespace kiln {

LuButtonTx::LuButtonTx(bool clicksDisabled) : LuButton(clicksDisabled) {
    m_fontColors.OnChange = [this] { RepaintFace(); };
}

void LuButtonTx::ShowSunken() {
    m_caption.ArmDisplacement();
    LuButton::ShowSunken();
}

void LuButtonTx::ShowBitmap(int index) {
    LuButton::ShowBitmap(index);
    RepaintFace();
}

void LuButtonTx::RepaintFace() {
    Faces().Redraw();
    m_caption.Draw(FaceCanvas(), Text(), Font(), CaptionColor());
    Invalidate();
}

void LuButtonTx::SetBounds(int left, int top, int width, int height) {
    LuButton::SetBounds(left, top, width, height);
    m_caption.SetTextRect(RECT{0, 0, width, height});
}

void LuButtonTx::SetText(const std::string& text) {
    LuButton::SetText(text);
    RepaintFace();
}

void LuButtonTx::SetTextBounds(int left, int top, int width, int height) {
    m_caption.SetTextRect(RECT{left, top, left + width, top + height});
    RepaintFace();
}

void LuButtonTx::SetWordWrap(bool wrap) {
    m_caption.SetWordWrap(wrap);
    RepaintFace();
}

COLORREF LuButtonTx::CaptionColor() {
    return m_fontColors.ColorFor(FaceIndex(), Font().GetColor());
}

void LuButtonTx::PropertiesChanged() {
    LuButton::PropertiesChanged();
    RepaintFace();
}

}  // namespace kiln
