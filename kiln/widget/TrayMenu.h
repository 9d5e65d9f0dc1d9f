#pragma once
// The menu of a notification-area icon, as Windows expects such menus to
// behave: it opens at the pointer, takes the foreground so that a click
// anywhere else closes it, and works by keyboard like any popup menu.

#include <windows.h>

#include <string>
#include <vector>

namespace kiln {

struct TrayMenuEntry {
    std::string text;  // empty for a separator
    bool isDefault = false;  // drawn bold: what the icon's double click does
};

// Shows the entries for `owner` (the window that receives the icon's
// callback) and waits for a choice. The index of the chosen entry, or -1
// when the menu was closed without one.
int ShowTrayMenu(HWND owner, const std::vector<TrayMenuEntry>& entries);

}  // namespace kiln
