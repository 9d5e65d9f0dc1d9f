#include "app/mainwindow/ButtonStop.h"

#include "kiln/Component/LuControl.h"

#include <oleacc.h>

ButtonStop::ButtonStop(kiln::LuControl& control, Kind kind, std::string name)
    : m_control(control), m_kind(kind), m_name(std::move(name)) {}

RECT ButtonStop::Bounds() const {
    return m_control.BoundsRect();
}

bool ButtonStop::Visible() const {
    return m_control.Visible();
}

bool ButtonStop::Enabled() const {
    return m_control.Enabled();
}

// A held key presses once: a held Space must not toggle "More Setting" on
// and off, nor a held Enter press Apply again behind its question.
bool ButtonStop::Press(const KeyPress& key) {
    if (key.repeated) return key.Plain(VK_SPACE) || key.Plain(VK_RETURN);
    const bool space = key.Plain(VK_SPACE);
    const bool enter = key.Plain(VK_RETURN) && m_kind != Kind::CheckBox;
    if (!space && !enter) return false;
    DoDefaultAction();
    return true;
}

void ButtonStop::DoDefaultAction() {
    const bool checked = m_control.GetChecked();
    m_control.Click();
    if (m_control.GetChecked() != checked && OnStateChange) OnStateChange();
}

kiln::AccessibleFacts ButtonStop::Facts() const {
    kiln::AccessibleFacts facts;
    facts.name = m_name.empty() ? m_control.Text() : m_name;
    if (!m_control.Enabled()) facts.state |= STATE_SYSTEM_UNAVAILABLE;
    switch (m_kind) {
    case Kind::PushButton:
        facts.role = ROLE_SYSTEM_PUSHBUTTON;
        facts.defaultAction = "Press";
        break;
    case Kind::CheckBox:
        facts.role = ROLE_SYSTEM_CHECKBUTTON;
        facts.defaultAction = m_control.GetChecked() ? "Uncheck" : "Check";
        if (m_control.GetChecked()) facts.state |= STATE_SYSTEM_CHECKED;
        break;
    case Kind::PageTab:
        facts.role = ROLE_SYSTEM_PAGETAB;
        facts.defaultAction = "Switch";
        facts.state |= STATE_SYSTEM_SELECTABLE;
        if (m_control.GetChecked()) facts.state |= STATE_SYSTEM_SELECTED;
        break;
    }
    return facts;
}
