#include "app/mainwindow/BarStop.h"

#include <oleacc.h>

BarStop::BarStop(AdvBar& bar) : m_bar(bar) {
    m_bar.OnChangeShown = [this] {
        if (OnValueChange) OnValueChange();
    };
}

BarStop::~BarStop() {
    m_bar.OnChangeShown = nullptr;
}

bool BarStop::Press(const KeyPress& key) {
    if (key.alt || key.control) return false;
    switch (key.key) {
    case VK_LEFT:
    case VK_DOWN: m_bar.StepDown(); return true;
    case VK_RIGHT:
    case VK_UP: m_bar.StepUp(); return true;
    case VK_PRIOR: m_bar.StepBy(kPageSteps); return true;
    case VK_NEXT: m_bar.StepBy(-kPageSteps); return true;
    case VK_HOME: m_bar.SetPositionIfDifferent(m_bar.Min()); return true;
    case VK_END: m_bar.SetPositionIfDifferent(m_bar.Max()); return true;
    default: return false;
    }
}

kiln::AccessibleFacts BarStop::Facts() const {
    kiln::AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_SLIDER;
    facts.name = m_bar.AccessibleName();
    facts.value = m_bar.AccessibleValue();
    facts.description = m_bar.AccessibleDescription();
    if (!m_bar.Enabled()) facts.state |= STATE_SYSTEM_UNAVAILABLE;
    return facts;
}
