#pragma once
// The transparency settings both layered-window makers carry: a colour key,
// a constant alpha and whether clicks fall through to the window below.

#include "frame/Types.h"

#include <windows.h>

#include <cstdint>

namespace kiln {

class LayeredAttributes {
public:
    COLORREF ColorKey() const { return m_colorKey & 0x00FFFFFF; }
    void SetColorKey(frame::Color color) { m_colorKey = (frame::ColorToRGB(color) & 0x00FFFFFF) | 0xFF000000; }
    void SetUseColorKey(bool on) { m_useColorKey = on; }
    void SetClickThrough(bool on) { m_clickThrough = on; }
    void SetUseConstantAlpha(bool on) { m_useConstantAlpha = on; }
    void SetConstantAlpha(BYTE alpha) { m_constantAlpha = alpha; }

protected:
    uint32_t m_colorKey = 0xFFFFFFFF;
    bool m_useColorKey = false;
    bool m_clickThrough = false;
    bool m_useConstantAlpha = false;
    BYTE m_constantAlpha = 255;
};

}  // namespace kiln
