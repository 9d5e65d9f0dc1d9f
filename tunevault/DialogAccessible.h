#pragma once
// A dialog as screen readers hear it: the client area named by the window's
// text (a question's text is its message), its buttons push buttons named
// by their captions, a text field with what is typed in it, a list with the
// entry chosen. Every windowed button, field and list of the dialog is a
// child, in the dialog's order; hidden ones are there as invisible.

#include "kiln/widget/AccessibleWindow.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace frame {
class Control;
class Form;
class WinControl;
}  // namespace frame

namespace tunevault {

class DialogAccessible : private kiln::AccessibleContent {
public:
    explicit DialogAccessible(frame::Form& dialog) : m_dialog(dialog) {}
    ~DialogAccessible();
    DialogAccessible(const DialogAccessible&) = delete;
    DialogAccessible& operator=(const DialogAccessible&) = delete;

    // What readers call a control without a caption of its own (a field
    // named by the label beside it, a button drawn as a picture).
    void Name(const frame::Control& control, std::string name) { m_names[&control] = std::move(name); }
    // WM_GETOBJECT's answer for the client area.
    LRESULT Answer(WPARAM wParam);

private:
    std::vector<frame::WinControl*> Children() const;
    int ChildCount() const override;
    kiln::AccessibleFacts Child(int child) const override;
    int FocusedChild() const override;
    void DoDefaultAction(int child) override;

    frame::Form& m_dialog;
    std::map<const frame::Control*, std::string> m_names;
    // Made on the first question, when the window exists.
    std::unique_ptr<kiln::AccessibleWindow> m_window;
};

}  // namespace tunevault
