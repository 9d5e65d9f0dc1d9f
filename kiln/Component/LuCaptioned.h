#pragma once
// The caption shared by the three captioned controls: a text drawn over the
// faces in the colour of the state on show, pushed down and right once when
// the face turns sunken. `Colors` is the control's font-colour object.

#include "kiln/Component/LuCaption.h"

#include <string>

namespace kiln {

template <class Base, class Colors>
class LuCaptioned : public Base {
public:
    explicit LuCaptioned(bool clicksDisabled) : Base(clicksDisabled) {
        m_fontColors.OnChange = [this] { RepaintFace(); };
    }

    void ShowSunken() override {
        m_caption.ArmDisplacement();
        Base::ShowSunken();
    }

    void ShowBitmap(int index) override {
        Base::ShowBitmap(index);
        RepaintFace();
    }

    void RepaintFace() override {
        this->Faces().Redraw();
        m_caption.Draw(this->FaceCanvas(), this->Text(), this->Font(), CaptionColor());
        this->Invalidate();
    }

    void SetBounds(int left, int top, int width, int height) override {
        Base::SetBounds(left, top, width, height);
        // The size the control took: a face 0 overrules the one asked for.
        m_caption.SetTextRect(RECT{0, 0, this->Width(), this->Height()});
    }

    void SetText(const std::string& text) {
        Base::SetText(text);
        RepaintFace();
    }

    void SetTextBounds(int left, int top, int width, int height) {
        m_caption.SetTextRect(RECT{left, top, left + width, top + height});
        RepaintFace();
    }
    RECT TextBounds() const { return m_caption.TextRect(); }

    Colors& FontColors() { return m_fontColors; }
    // Copies the colours; the caption shows them at once.
    void SetFontColors(const Colors& colors) { m_fontColors.Assign(colors); }
    // The caption colour of the state on show.
    virtual COLORREF CaptionColor() = 0;

protected:
    void PropertiesChanged() override {
        Base::PropertiesChanged();
        RepaintFace();
    }

    Colors m_fontColors;

private:
    LuCaption m_caption;
};

}  // namespace kiln
