#pragma once
// The main window by keyboard and by screen reader. It keeps the window's
// focus stops (every control a user operates), moves the focus between the
// visible, enabled ones in reading order on Tab and Shift+Tab (wrapping),
// hands the other keys to the stop the focus stands on, outlines that stop
// once a key has been used until the next mouse press (as Windows shows its
// focus rectangles), follows the focus to a control the mouse presses, and
// describes the stops to screen readers as the window's accessible children.
//
// Window-wide keys: Esc and Ctrl+Tab go to the handlers the owner sets.
// Alt+F4 is left to the system, which closes the window as its own close
// does. Keys reach it through an application message hook, before any
// control of the window sees them.

#include "app/mainwindow/FocusStop.h"
#include "kiln/widget/AccessibleWindow.h"

#include <functional>
#include <memory>
#include <vector>

class FocusMark;
class WidgetHost;

class KeyboardAccess : private kiln::AccessibleContent {
public:
    explicit KeyboardAccess(WidgetHost& window);
    ~KeyboardAccess();
    KeyboardAccess(const KeyboardAccess&) = delete;
    KeyboardAccess& operator=(const KeyboardAccess&) = delete;

    // Readers number the stops in the order they are added, from 1.
    FocusStop& Add(std::unique_ptr<FocusStop> stop);

    // The stop the focus stands on; nullptr before the first Tab or press.
    FocusStop* Focused() const { return m_focused; }
    // Moves the focus (silently when the mark is hidden).
    void Focus(FocusStop* stop);

    // Esc while no list is open.
    std::function<void()> OnEscape;
    // Ctrl+Tab: switches the page and gives the stop to focus, or nullptr.
    std::function<FocusStop*()> OnSwitchPage;

private:
    void FilterMessage(MSG& message, bool& handled);
    bool KeyDown(const KeyPress& key);
    void PointerPressed(HWND window, LPARAM position);
    void MoveFocus(bool backward);
    void MoveFocusTo(FocusStop* stop, bool byKey);
    std::vector<FocusStop*> ReadingOrder(const FocusStop* also) const;
    static bool Available(const FocusStop& stop) { return stop.Visible() && stop.Enabled(); }
    int ChildId(const FocusStop* stop) const;
    void ShowMark(bool shown);
    void UpdateMark();

    int ChildCount() const override { return static_cast<int>(m_stops.size()); }
    kiln::AccessibleFacts Child(int child) const override;
    int FocusedChild() const override { return ChildId(m_focused); }
    void DoDefaultAction(int child) override;

    WidgetHost& m_window;
    std::vector<std::unique_ptr<FocusStop>> m_stops;
    FocusStop* m_focused = nullptr;
    // Made on first use, so that it is the window's last windowless control.
    FocusMark* m_mark = nullptr;
    bool m_markShown = false;
    int m_hook = -1;
    std::unique_ptr<kiln::AccessibleWindow> m_accessible;
};
