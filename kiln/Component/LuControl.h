#pragma once
// The base of the skinned controls: turns mouse, keyboard, focus and enable
// changes into four visual states (raised, sunken, focused, disabled). What a
// state looks like is up to the derived control. Screen readers asking the
// control's window hear its role, its caption (or hint) and its state.

#include "frame/WinControl.h"
#include "kiln/widget/AccessibleWindow.h"

#include <memory>
#include <string>

namespace kiln {

class LuControl : public frame::WinControl, private AccessibleContent {
public:
    explicit LuControl(bool clicksDisabled = false);
    ~LuControl() override;

    // The exact class name; radio buttons exclude only their own kind.
    virtual const char* ClassName() const { return "LuControl"; }

    virtual bool GetChecked() const { return false; }
    virtual void SetChecked(bool) {}
    virtual void ShowRaised() {}
    virtual void ShowDisabled() { ShowRaised(); }
    virtual void ShowFocused() { ShowRaised(); }
    virtual void ShowSunken() { ShowRaised(); }
    // Client coordinates; true when the point belongs to the control.
    virtual bool HitTest(int x, int y);

    void SetEnabled(bool enabled) override;
    void Click() override;

    void SetShowMouseOver(bool show);
    void SetClicksDisabled(bool disabled);
    // ROLE_SYSTEM_* readers are told in place of the class' own (a radio
    // button that stands for a page tab).
    void SetAccessibleRole(long role) { m_accessibleRole = role; }
    // What readers call a control whose caption does not say what it does
    // (a step arrow); empty for the caption, or the hint without one.
    void SetAccessibleName(std::string name) { m_accessibleName = std::move(name); }

    frame::NotifyEvent OnMouseEnter;
    frame::NotifyEvent OnMouseLeave;

protected:
    void CreateParams(frame::WindowParams& params) override;
    void Dispatch(frame::Message& message) override;
    void MouseDown(frame::MouseButton button, frame::ShiftState shift, int x, int y) override;
    void MouseUp(frame::MouseButton button, frame::ShiftState shift, int x, int y) override;
    void MouseMove(frame::ShiftState shift, int x, int y) override;
    // The pointer left the window (WM_MOUSELEAVE).
    virtual void MouseLeft();
    virtual void KeyDown(WPARAM key);
    virtual void KeyUp(WPARAM key);
    virtual void FocusGained();
    virtual void FocusLost();

    // Clicks reach the handlers only from an enabled control that takes them,
    // and not from a release outside the hit area.
    bool CanClick() const { return !m_clicksDisabled && Enabled() && !m_releasedOutside; }
    bool Pressed() const { return m_keyPressed || m_mousePressed; }
    // The class' role for screen readers (ROLE_SYSTEM_*) and its own state
    // bits (STATE_SYSTEM_CHECKED).
    virtual long AccessibleRole() const;
    virtual long AccessibleState() const { return 0; }
    // Tells screen readers that AccessibleState changed, however it did.
    void AccessibleStateChanged();

private:
    int ChildCount() const override { return 0; }
    AccessibleFacts Child(int) const override { return {}; }
    int FocusedChild() const override { return 0; }
    void DoDefaultAction(int) override { Click(); }
    bool DescribeSelf(AccessibleFacts& facts) const override;

    bool HoverShown() const { return m_showMouseOver && m_mouseInside; }
    void ShowReleased();
    void ShowPressed();
    void CancelPress();
    void CancelHover();
    void PointerEntered(bool leftHeld);
    void PointerLeft();
    void TrackLeave();

    bool m_showMouseOver = true;
    bool m_clicksDisabled;
    bool m_mouseInside = false;
    bool m_mousePressed = false;
    bool m_keyPressed = false;
    bool m_releasedOutside = false;
    long m_accessibleRole = 0;
    std::string m_accessibleName;
    // Made on the first question, when the window exists.
    std::unique_ptr<AccessibleWindow> m_accessible;
};

}  // namespace kiln
