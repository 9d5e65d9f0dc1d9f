#pragma once
// Caption colours per visual state. -1 means "not set": the caption then
// falls back to the font colour (or, when disabled, the grey-text colour).

#include "frame/Types.h"

#include <functional>

namespace kiln {

constexpr frame::Color NoColor = 0xFFFFFFFFu;

class LuCtrlFontColor {
public:
    std::function<void()> OnChange;

protected:
    void Store(frame::Color& field, frame::Color value) {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange();
    }
};

class LuThreeStateFontColor : public LuCtrlFontColor {
public:
    frame::Color Focused() const { return m_focused; }
    void SetSunken(frame::Color color) { Store(m_sunken, color); }
    void SetFocused(frame::Color color) { Store(m_focused, color); }
    void SetDisabled(frame::Color color) { Store(m_disabled, color); }
    // Takes the other's colours; the change handler stays this object's.
    void Assign(const LuThreeStateFontColor& other);
    // The caption colour for a state offset (0 raised .. 3 disabled).
    COLORREF ColorFor(int offset, frame::Color fontColor) const;

private:
    frame::Color m_sunken = NoColor;
    frame::Color m_focused = NoColor;
    frame::Color m_disabled = NoColor;
};

class LuFourStateFontColor : public LuCtrlFontColor {
public:
    void SetRaised(frame::Color color) { Store(m_raised, color); }
    void SetSunken(frame::Color color) { Store(m_sunken, color); }
    void SetFocused(frame::Color color) { Store(m_focused, color); }
    void SetDisabled(frame::Color color) { Store(m_disabled, color); }
    void Assign(const LuFourStateFontColor& other);
    COLORREF ColorFor(int offset, frame::Color fontColor) const;

private:
    frame::Color m_raised = NoColor;
    frame::Color m_sunken = NoColor;
    frame::Color m_focused = NoColor;
    frame::Color m_disabled = NoColor;
};

class LuCheckBoxFontColor : public LuCtrlFontColor {
public:
    LuCheckBoxFontColor();
    LuCheckBoxFontColor(const LuCheckBoxFontColor&) = delete;
    LuCheckBoxFontColor& operator=(const LuCheckBoxFontColor&) = delete;
    void Assign(const LuCheckBoxFontColor& other);
    LuFourStateFontColor Check;
    LuFourStateFontColor Gray;
    LuThreeStateFontColor Uncheck;
};

class LuRadioBtnFontColor : public LuCtrlFontColor {
public:
    LuRadioBtnFontColor();
    LuRadioBtnFontColor(const LuRadioBtnFontColor&) = delete;
    LuRadioBtnFontColor& operator=(const LuRadioBtnFontColor&) = delete;
    LuFourStateFontColor Check;
    LuThreeStateFontColor Uncheck;
};

}  // namespace kiln
