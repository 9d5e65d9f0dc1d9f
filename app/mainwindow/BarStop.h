#pragma once
// A slider, option row or ratio bar as a focus stop: the arrows move it one
// step (Left and Down lower it, Right and Up raise it), Page Up and Page
// Down ten, Home and End to the first and last step; each key changes the
// value exactly as a click on a step button does.

#include "app/mainwindow/AdvBar.h"
#include "app/mainwindow/FocusStop.h"

class BarStop : public FocusStop {
public:
    explicit BarStop(AdvBar& bar);
    ~BarStop() override;

    RECT Bounds() const override { return m_bar.Extent(); }
    bool Visible() const override { return m_bar.Visible(); }
    bool Enabled() const override { return m_bar.Enabled(); }
    bool Press(const KeyPress& key) override;
    kiln::AccessibleFacts Facts() const override;

private:
    static constexpr int kPageSteps = 10;

    AdvBar& m_bar;
};
