#pragma once
// One place the keyboard focus can stand on the main window: a slider, a
// ratio bar, a button, the "More Setting" box, a page tab or the profile
// selector. The stop takes the keys while the focus stands on it, the focus
// mark outlines it, and screen readers know it as one accessible object.

#include "kiln/widget/AccessibleWindow.h"

#include <windows.h>

#include <functional>

struct KeyPress {
    WPARAM key = 0;
    bool alt = false;
    bool control = false;
    bool shift = false;
    // The key is held and the system repeats it.
    bool repeated = false;

    // A key pressed with neither Alt nor Ctrl.
    bool Plain(WPARAM which) const { return key == which && !alt && !control; }
};

class FocusStop {
public:
    FocusStop() = default;
    FocusStop(const FocusStop&) = delete;
    FocusStop& operator=(const FocusStop&) = delete;
    virtual ~FocusStop() = default;

    // In the window's client coordinates.
    virtual RECT Bounds() const = 0;
    virtual bool Visible() const = 0;
    virtual bool Enabled() const = 0;
    // True when the key did something.
    virtual bool Press(const KeyPress& key) = 0;
    // True while the stop takes every key wherever the focus stands (an
    // open list).
    virtual bool HoldsKeys() const { return false; }
    // Role, name, value, description, default action and the stop's own
    // state bits (unavailable, checked, selected, expanded); whoever keeps
    // the stops adds the focus, the visibility and the bounds.
    virtual kiln::AccessibleFacts Facts() const = 0;
    // What a reader's default action asks for; nothing unless the facts
    // name an action.
    virtual void DoDefaultAction() {}

    // Set by whoever keeps the stops; raised when the value or the state a
    // reader knows changed.
    std::function<void()> OnValueChange;
    std::function<void()> OnStateChange;
};
