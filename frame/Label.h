#pragma once
// A windowless text control.

#include "frame/GraphicControl.h"

#include <string>

namespace frame {

enum class Alignment { Left, Right, Center };
enum class TextLayout { Top, Center, Bottom };

class Label : public GraphicControl {
public:
    Label();

    const std::string& Caption() const { return m_caption; }
    void SetCaption(const std::string& caption);
    frame::Alignment Alignment() const { return m_alignment; }
    void SetAlignment(frame::Alignment alignment);
    TextLayout Layout() const { return m_layout; }
    void SetLayout(TextLayout layout);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    // With accelerator display on, '&' underlines the next character.
    // A transparent label leaves its background to the parent.
    void SetTransparent(bool transparent);
    // An auto-sized label takes the size of its text.
    void SetAutoSize(bool autoSize);

    void Paint(Canvas& canvas) override;

protected:
    // Draws the caption into `rect` with `flags`; derived labels change the
    // look of the text here. With DT_CALCRECT only measures.
    virtual void DoDrawText(Canvas& canvas, RECT& rect, UINT flags);
    // The text drawn for the caption; a derived label may show less of it.
    virtual const std::string& DrawnCaption() const { return m_caption; }
    // Alignment, word wrap and accelerator flags for the current settings.
    UINT TextFlags() const;
    void PropertiesChanged() override;

private:
    void AdjustSize();

    std::string m_caption;
    frame::Alignment m_alignment = frame::Alignment::Left;
    TextLayout m_layout = TextLayout::Top;
    bool m_wordWrap = false;
    bool m_transparent = false;
    bool m_autoSize = true;
};

}  // namespace frame
