#pragma once
// A radio button with a caption drawn over its faces in a colour per state.

#include "kiln/Component/LuRadioButton.h"
#include "kiln/Component/LuCaption.h"
#include "kiln/Component/LuFontColor.h"

#include <string>

namespace kiln {

class LuRadioButtonTx : public LuRadioButton {
public:
    explicit LuRadioButtonTx(bool clicksDisabled = false);

    const char* ClassName() const override { return "LuRadioButtonTx"; }

    void ShowSunken() override;
    void ShowBitmap(int index) override;
    void RepaintFace() override;
    void SetBounds(int left, int top, int width, int height) override;

    void SetText(const std::string& text);
    const std::string& GetText() const { return Text(); }
    void SetTextBounds(int left, int top, int width, int height);
    RECT TextBounds() const { return m_caption.TextRect(); }
    void SetDisp(int dx, int dy) { m_caption.SetDisplacement(dx, dy); }
    bool WordWrap() const { return m_caption.WordWrap(); }
    void SetWordWrap(bool wrap);
    LuRadioBtnFontColor& FontColors() { return m_fontColors; }
    // The caption colour of the state on show.
    COLORREF CaptionColor();

    bool IsExclusiveType(LuControl* other) override;

protected:
    void PropertiesChanged() override;

private:
    LuCaption m_caption;
    LuRadioBtnFontColor m_fontColors;
};

}  // namespace kiln
