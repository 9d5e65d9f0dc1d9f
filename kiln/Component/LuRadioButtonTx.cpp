#include "kiln/Component/LuRadioButtonTx.h"

#include <cstring>

namespace kiln {

LuRadioButtonTx::LuRadioButtonTx(bool clicksDisabled) : LuRadioButton(clicksDisabled) {
    m_fontColors.OnChange = [this] { RepaintFace(); };
}

void LuRadioButtonTx::ShowSunken() {
    m_caption.ArmDisplacement();
    LuRadioButton::ShowSunken();
}

void LuRadioButtonTx::ShowBitmap(int index) {
    LuRadioButton::ShowBitmap(index);
    RepaintFace();
}

void LuRadioButtonTx::RepaintFace() {
    Faces().Redraw();
    m_caption.Draw(FaceCanvas(), Text(), Font(), CaptionColor());
    Invalidate();
}

void LuRadioButtonTx::SetBounds(int left, int top, int width, int height) {
    LuRadioButton::SetBounds(left, top, width, height);
    m_caption.SetTextRect(RECT{0, 0, width, height});
}

void LuRadioButtonTx::SetText(const std::string& text) {
    LuRadioButton::SetText(text);
    RepaintFace();
}

void LuRadioButtonTx::SetTextBounds(int left, int top, int width, int height) {
    m_caption.SetTextRect(RECT{left, top, left + width, top + height});
    RepaintFace();
}

void LuRadioButtonTx::SetWordWrap(bool wrap) {
    m_caption.SetWordWrap(wrap);
    RepaintFace();
}

COLORREF LuRadioButtonTx::CaptionColor() {
    const int offset = FaceIndex() % 4;
    if (GetChecked()) return m_fontColors.Check.ColorFor(offset, Font().GetColor());
    return m_fontColors.Uncheck.ColorFor(offset, Font().GetColor());
}

bool LuRadioButtonTx::IsExclusiveType(LuControl* other) {
    return std::strcmp(other->ClassName(), "LuRadioButtonTx") == 0;
}

void LuRadioButtonTx::PropertiesChanged() {
    LuRadioButton::PropertiesChanged();
    RepaintFace();
}

}  // namespace kiln
