#pragma once
// A push button, a check box or a page tab of the main window as a focus
// stop. Space presses each of them; Enter presses buttons and tabs (a check
// box is toggled by Space alone, as Windows' are). A press is the control's
// own click, so it does exactly what the mouse's does.

#include "app/mainwindow/FocusStop.h"

#include <string>

namespace kiln {
class LuControl;
}

class ButtonStop : public FocusStop {
public:
    enum class Kind { PushButton, CheckBox, PageTab };

    // `name` is what readers call it; empty for the control's caption.
    ButtonStop(kiln::LuControl& control, Kind kind, std::string name = {});

    RECT Bounds() const override;
    bool Visible() const override;
    bool Enabled() const override;
    bool Press(const KeyPress& key) override;
    kiln::AccessibleFacts Facts() const override;
    void DoDefaultAction() override;

    kiln::LuControl& Control() const { return m_control; }

private:
    kiln::LuControl& m_control;
    Kind m_kind;
    std::string m_name;
};
