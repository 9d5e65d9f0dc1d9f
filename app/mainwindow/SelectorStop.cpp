#include "app/mainwindow/SelectorStop.h"

#include <oleacc.h>

SelectorStop::SelectorStop(AdvComboBox& selector) : m_selector(selector) {
    m_selector.OnTextShown = [this] {
        if (OnValueChange) OnValueChange();
    };
}

bool SelectorStop::Press(const KeyPress& key) {
    if (m_selector.IsOpen()) return PressWhileOpen(key);
    if ((key.key == VK_DOWN && key.alt) || key.Plain(VK_F4)) {
        m_selector.Open();
        if (OnStateChange) OnStateChange();
        return true;
    }
    return false;
}

// Tab closes the list and leaves the key to move the focus on.
bool SelectorStop::PressWhileOpen(const KeyPress& key) {
    if (key.Plain(VK_UP) || key.Plain(VK_DOWN)) {
        m_selector.MoveHighlight(key.key == VK_UP ? -1 : 1);
        return true;
    }
    if (key.Plain(VK_RETURN)) {
        m_selector.ChooseHighlighted();
        return true;
    }
    const bool closes = key.Plain(VK_ESCAPE) || key.Plain(VK_F4) || (key.key == VK_UP && key.alt);
    if (!closes && key.key != VK_TAB) return false;
    m_selector.Close();
    if (OnStateChange) OnStateChange();
    return closes;
}

kiln::AccessibleFacts SelectorStop::Facts() const {
    kiln::AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_COMBOBOX;
    facts.name = "Profiles";
    facts.value = m_selector.Text();
    facts.state = m_selector.IsOpen() ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    return facts;
}
