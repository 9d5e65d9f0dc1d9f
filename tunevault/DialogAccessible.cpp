#include "tunevault/DialogAccessible.h"

#include "frame/Edit.h"
#include "frame/Form.h"
#include "frame/ListBox.h"
#include "kiln/Component/LuButton.h"

#include <oleacc.h>

namespace tunevault {

DialogAccessible::~DialogAccessible() = default;

LRESULT DialogAccessible::Answer(WPARAM wParam) {
    kiln::AccessibleContent& content = *this;
    if (!m_window) m_window = std::make_unique<kiln::AccessibleWindow>(m_dialog.Handle(), content);
    return m_window->Answer(wParam);
}

std::vector<frame::WinControl*> DialogAccessible::Children() const {
    std::vector<frame::WinControl*> children;
    for (frame::Control* control : m_dialog.Controls())
        if (dynamic_cast<kiln::LuButton*>(control) || dynamic_cast<frame::Edit*>(control) ||
            dynamic_cast<frame::ListBox*>(control))
            children.push_back(static_cast<frame::WinControl*>(control));
    return children;
}

int DialogAccessible::ChildCount() const {
    return static_cast<int>(Children().size());
}

kiln::AccessibleFacts DialogAccessible::Child(int child) const {
    frame::WinControl& control = *Children().at(static_cast<size_t>(child - 1));
    kiln::AccessibleFacts facts;
    const auto named = m_names.find(&control);
    facts.name = named != m_names.end() ? named->second : control.Text();
    if (auto* list = dynamic_cast<frame::ListBox*>(&control)) {
        facts.role = ROLE_SYSTEM_LIST;
        if (list->ItemIndex() >= 0) facts.value = list->Item(list->ItemIndex());
    } else if (dynamic_cast<frame::Edit*>(&control)) {
        facts.role = ROLE_SYSTEM_TEXT;
        facts.value = control.Text();
    } else {
        facts.role = ROLE_SYSTEM_PUSHBUTTON;
        facts.defaultAction = "Press";
    }
    if (!control.Visible()) facts.state |= STATE_SYSTEM_INVISIBLE;
    if (!control.Enabled()) facts.state |= STATE_SYSTEM_UNAVAILABLE;
    if (control.Visible() && control.Enabled()) facts.state |= STATE_SYSTEM_FOCUSABLE;
    if (control.Focused()) facts.state |= STATE_SYSTEM_FOCUSED;
    facts.bounds = control.BoundsRect();
    return facts;
}

int DialogAccessible::FocusedChild() const {
    const std::vector<frame::WinControl*> children = Children();
    for (size_t i = 0; i < children.size(); ++i)
        if (children[i]->Focused()) return static_cast<int>(i) + 1;
    return 0;
}

void DialogAccessible::DoDefaultAction(int child) {
    if (auto* button = dynamic_cast<kiln::LuButton*>(Children().at(static_cast<size_t>(child - 1)))) button->Click();
}

}  // namespace tunevault
