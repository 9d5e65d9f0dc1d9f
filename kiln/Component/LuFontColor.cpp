#include "kiln/Component/LuFontColor.h"

namespace kiln {
namespace {

COLORREF Resolve(frame::Color color, frame::Color fallback) {
    return frame::ColorToRGB(color == NoColor ? fallback : color);
}

}  // namespace

void LuThreeStateFontColor::Assign(const LuThreeStateFontColor& other) {
    SetSunken(other.m_sunken);
    SetFocused(other.m_focused);
    SetDisabled(other.m_disabled);
}

COLORREF LuThreeStateFontColor::ColorFor(int offset, frame::Color fontColor) const {
    switch (offset) {
    case 1: return Resolve(m_sunken, fontColor);
    case 2: return Resolve(m_focused, fontColor);
    case 3: return Resolve(m_disabled, frame::colors::GrayText);
    default: return frame::ColorToRGB(fontColor);
    }
}

void LuFourStateFontColor::Assign(const LuFourStateFontColor& other) {
    SetRaised(other.m_raised);
    SetSunken(other.m_sunken);
    SetFocused(other.m_focused);
    SetDisabled(other.m_disabled);
}

COLORREF LuFourStateFontColor::ColorFor(int offset, frame::Color fontColor) const {
    const frame::Color raised = m_raised == NoColor ? fontColor : m_raised;
    switch (offset) {
    case 0: return frame::ColorToRGB(raised);
    case 1: return Resolve(m_sunken, raised);
    case 2: return Resolve(m_focused, raised);
    case 3: return Resolve(m_disabled, frame::colors::GrayText);
    default: return frame::ColorToRGB(fontColor);
    }
}

LuCheckBoxFontColor::LuCheckBoxFontColor() {
    auto forward = [this] {
        if (OnChange) OnChange();
    };
    Check.OnChange = forward;
    Gray.OnChange = forward;
    Uncheck.OnChange = forward;
}

void LuCheckBoxFontColor::Assign(const LuCheckBoxFontColor& other) {
    Check.Assign(other.Check);
    Gray.Assign(other.Gray);
    Uncheck.Assign(other.Uncheck);
}

LuRadioBtnFontColor::LuRadioBtnFontColor() {
    auto forward = [this] {
        if (OnChange) OnChange();
    };
    Check.OnChange = forward;
    Uncheck.OnChange = forward;
}

}  // namespace kiln
