#pragma once
// Reaches a control the way a person names it: by its framework name,
// searched through every child of a window, depth first.

#include "frame/WinControl.h"

#include <string>

namespace testsupport {

inline frame::Control* FindControlNamed(const frame::WinControl& parent, const std::string& name) {
    for (frame::Control* child : parent.Controls()) {
        if (child->Name() == name) return child;
        if (auto* windowed = dynamic_cast<frame::WinControl*>(child))
            if (frame::Control* found = FindControlNamed(*windowed, name)) return found;
    }
    return nullptr;
}

// The named control as T; nullptr when there is none or it is of another
// class.
template <class T>
T* FindControl(const frame::WinControl& parent, const std::string& name) {
    return dynamic_cast<T*>(FindControlNamed(parent, name));
}

}  // namespace testsupport
