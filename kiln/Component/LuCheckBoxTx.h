#pragma once
// A check box with a caption drawn over its faces in a colour per state.

#include "kiln/Component/LuCheckBox.h"
#include "kiln/Component/LuCaption.h"
#include "kiln/Component/LuFontColor.h"

#include <string>

namespace kiln {

class LuCheckBoxTx : public LuCheckBox {
public:
    explicit LuCheckBoxTx(bool clicksDisabled = false);

    const char* ClassName() const override { return "LuCheckBoxTx"; }

    void ShowSunken() override;
    void ShowBitmap(int index) override;
    void RepaintFace() override;
    void SetBounds(int left, int top, int width, int height) override;

    void SetText(const std::string& text);
    const std::string& GetText() const { return Text(); }
    void SetTextBounds(int left, int top, int width, int height);
    RECT TextBounds() const { return m_caption.TextRect(); }
    void SetDisp(int dx, int dy) { m_caption.SetDisplacement(dx, dy); }
    LuCheckBoxFontColor& FontColors() { return m_fontColors; }
    // The caption colour of the state on show.
    COLORREF CaptionColor();

protected:
    void PropertiesChanged() override;

private:
    LuCaption m_caption;
    LuCheckBoxFontColor m_fontColors;
};

}  // namespace kiln
