#include "kiln/widget/TrayMenu.h"

#include "base/Handles.h"
#include "frame/RepaintMarks.h"

namespace kiln {
namespace {

// Commands are entry indexes shifted past 0, which TrackPopupMenuEx returns
// for no choice.
constexpr UINT kFirstCommand = 1;

}  // namespace

int ShowTrayMenu(HWND owner, const std::vector<TrayMenuEntry>& entries) {
    base::MenuHandle menu(CreatePopupMenu());
    if (!menu) return -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        const TrayMenuEntry& entry = entries[i];
        const UINT command = kFirstCommand + static_cast<UINT>(i);
        if (entry.text.empty()) {
            AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuA(menu.Get(), MF_STRING, command, entry.text.c_str());
        if (entry.isDefault) SetMenuDefaultItem(menu.Get(), command, FALSE);
    }
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close on a click elsewhere;
    // the message after it lets a second right click open it again at once.
    SetForegroundWindow(owner);
    // The menu's own loop runs until a choice: what was changed before it
    // must not wait for it to close.
    frame::MarkHeldForPaint();
    const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const int command = static_cast<int>(TrackPopupMenuEx(
        menu.Get(), align | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, owner,
        nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    if (command < static_cast<int>(kFirstCommand) || command >= static_cast<int>(kFirstCommand + entries.size()))
        return -1;
    return command - static_cast<int>(kFirstCommand);
}

}  // namespace kiln
