#include "frame/Font.h"

#include <cstring>

namespace frame {

void Font::SetName(const std::string& name) {
    if (name == m_name) return;
    m_name = name;
    Changed();
}

void Font::SetHeight(int height) {
    if (height == m_height) return;
    m_height = height;
    Changed();
}

void Font::SetColor(Color color) {
    if (color == m_color) return;
    m_color = color;
    // Colour is not part of the GDI font: the handle stays valid.
    if (OnChange) OnChange(*this);
}

void Font::SetBold(bool bold) {
    if (bold == m_bold) return;
    m_bold = bold;
    Changed();
}

bool Font::SameAs(const Font& other) const {
    return m_name == other.m_name && m_height == other.m_height && m_color == other.m_color &&
           m_bold == other.m_bold;
}

void Font::Assign(const Font& other) {
    if (&other == this || SameAs(other)) return;
    m_name = other.m_name;
    m_height = other.m_height;
    m_color = other.m_color;
    m_bold = other.m_bold;
    Changed();
}

HFONT Font::Handle() {
    if (!m_handle) {
        LOGFONTA lf = {};
        lf.lfHeight = m_height;
        lf.lfWeight = m_bold ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        std::strncpy(lf.lfFaceName, m_name.c_str(), LF_FACESIZE - 1);
        m_handle.Reset(CreateFontIndirectA(&lf));
    }
    return m_handle.Get();
}

void Font::Changed() {
    m_handle.Reset();
    if (OnChange) OnChange(*this);
}

}  // namespace frame
