#include "kiln/Component/LuCheckBoxTx.h"

namespace kiln {

LuCheckBoxTx::LuCheckBoxTx(bool clicksDisabled) : LuCheckBox(clicksDisabled) {
    m_fontColors.OnChange = [this] { RepaintFace(); };
}

void LuCheckBoxTx::ShowSunken() {
    m_caption.ArmDisplacement();
    LuCheckBox::ShowSunken();
}

void LuCheckBoxTx::ShowBitmap(int index) {
    LuCheckBox::ShowBitmap(index);
    RepaintFace();
}

void LuCheckBoxTx::RepaintFace() {
    Faces().Redraw();
    m_caption.Draw(FaceCanvas(), Text(), Font(), CaptionColor());
    Invalidate();
}

void LuCheckBoxTx::SetBounds(int left, int top, int width, int height) {
    LuCheckBox::SetBounds(left, top, width, height);
    m_caption.SetTextRect(RECT{0, 0, width, height});
}

void LuCheckBoxTx::SetText(const std::string& text) {
    LuCheckBox::SetText(text);
    RepaintFace();
}

void LuCheckBoxTx::SetTextBounds(int left, int top, int width, int height) {
    m_caption.SetTextRect(RECT{left, top, left + width, top + height});
    RepaintFace();
}

COLORREF LuCheckBoxTx::CaptionColor() {
    const int offset = FaceIndex() % 4;
    switch (State()) {
    case CheckState::Checked: return m_fontColors.Check.ColorFor(offset, Font().GetColor());
    case CheckState::Grayed: return m_fontColors.Gray.ColorFor(offset, Font().GetColor());
    default: return m_fontColors.Uncheck.ColorFor(offset, Font().GetColor());
    }
}

void LuCheckBoxTx::PropertiesChanged() {
    LuCheckBox::PropertiesChanged();
    RepaintFace();
}

}  // namespace kiln
