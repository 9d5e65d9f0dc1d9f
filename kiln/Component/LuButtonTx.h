#pragma once
// A push button with a caption drawn over its faces in a colour per state.

#include "kiln/Component/LuButton.h"
#include "kiln/Component/LuCaption.h"
#include "kiln/Component/LuFontColor.h"

#include <string>

namespace kiln {

class LuButtonTx : public LuButton {
public:
    explicit LuButtonTx(bool clicksDisabled = false);

    const char* ClassName() const override { return "LuButtonTx"; }

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
    LuThreeStateFontColor& FontColors() { return m_fontColors; }
    // The caption colour of the state on show.
    COLORREF CaptionColor();

protected:
    void PropertiesChanged() override;

private:
    LuCaption m_caption;
    LuThreeStateFontColor m_fontColors;
};

}  // namespace kiln
