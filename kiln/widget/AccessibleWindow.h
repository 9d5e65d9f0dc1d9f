#pragma once
// What a skinned window tells screen readers (Microsoft Active
// Accessibility): its client area as one accessible object whose children
// are the window's controls, windowed or windowless, each a simple element
// with a child id (1 for the first); or, for a window that is one control,
// that control. The window answers WM_GETOBJECT for
// OBJID_CLIENT with Answer(); the content describes the controls and is
// asked afresh on every question, so it never goes stale.

#include <windows.h>

#include <string>

namespace kiln {

// One control as a screen reader hears it; role and state are the
// ROLE_SYSTEM_* and STATE_SYSTEM_* values.
struct AccessibleFacts {
    long role = 0;
    std::string name;
    std::string value;
    std::string description;
    // What accDoDefaultAction does, in words ("Press"); empty for none.
    std::string defaultAction;
    long state = 0;
    // In the window's client coordinates.
    RECT bounds{0, 0, 0, 0};
};

class AccessibleContent {
public:
    virtual int ChildCount() const = 0;
    // child: 1 to ChildCount().
    virtual AccessibleFacts Child(int child) const = 0;
    // The child the keyboard focus stands on, 0 when none.
    virtual int FocusedChild() const = 0;
    // child 0: the window itself, when its own facts name an action.
    virtual void DoDefaultAction(int child) = 0;
    // A window that is one control (a button) says what it is, without
    // bounds; the window's visibility, availability and focus are added.
    // False leaves it a client area named by the window's text.
    virtual bool DescribeSelf(AccessibleFacts& facts) const {
        (void)facts;
        return false;
    }

protected:
    ~AccessibleContent() = default;
};

class AccessibleWindow {
public:
    // The content must outlive this object; the window is the one whose
    // client area it describes.
    AccessibleWindow(HWND window, AccessibleContent& content);
    // Readers still holding the object get errors from then on.
    ~AccessibleWindow();
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;

    // WM_GETOBJECT's result for OBJID_CLIENT (wParam as received).
    LRESULT Answer(WPARAM wParam);

    // The WinEvents readers speak from: the focus moved to a child, a
    // child's value or state changed.
    void FocusChanged(int child) const;
    void ValueChanged(int child) const;
    void StateChanged(int child) const;

private:
    class Object;

    HWND m_window;
    Object* m_object;
};

}  // namespace kiln
