#pragma once
// The profile selector as a focus stop, a combo box to readers: Alt+Down or
// F4 opens the list, Up and Down move through it, Enter chooses (the same
// choice as a release of the mouse over the entry), Esc, Alt+Up and F4
// close it without choosing. While the list is open it takes the keys.

#include "app/mainwindow/AdvComboBox.h"
#include "app/mainwindow/FocusStop.h"

class SelectorStop : public FocusStop {
public:
    explicit SelectorStop(AdvComboBox& selector);
    ~SelectorStop() override { m_selector.OnTextShown = nullptr; }

    RECT Bounds() const override { return m_selector.Body().BoundsRect(); }
    bool Visible() const override { return m_selector.Visible(); }
    bool Enabled() const override { return m_selector.Body().Enabled(); }
    bool Press(const KeyPress& key) override;
    bool HoldsKeys() const override { return m_selector.IsOpen(); }
    kiln::AccessibleFacts Facts() const override;

private:
    bool PressWhileOpen(const KeyPress& key);

    AdvComboBox& m_selector;
};
