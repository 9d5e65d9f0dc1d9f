#pragma once
// Reaches a control the way a person names it: by its framework name,
// searched through every child of a window, depth first. Controls of another
// module (the dialog library) are reached through their windows.

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

namespace detail {

struct WindowSearch {
    const std::string* name;
    HWND found = nullptr;
};

inline BOOL CALLBACK MatchWindowName(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    if (*search->name != frame::WinControl::WindowName(window)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace detail

// The window of the windowed control named `name` among the descendants of
// `parent`, whichever module or process made it; nullptr when there is none.
inline HWND FindWindowNamed(HWND parent, const std::string& name) {
    detail::WindowSearch search{&name};
    if (parent) EnumChildWindows(parent, &detail::MatchWindowName, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace testsupport
