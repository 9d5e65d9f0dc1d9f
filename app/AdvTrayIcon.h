#pragma once
// The program's icon in the notification area: its only visible sign after
// start-up. A double click on it opens the main window, a right click its
// menu.

#include "base/Handles.h"
#include "kiln/widget/TrayIcon.h"

#include <functional>
#include <memory>

class AdvTrayIcon {
public:
    static constexpr UINT kIconId = 1;

    static AdvTrayIcon& Instance();
    AdvTrayIcon(const AdvTrayIcon&) = delete;
    AdvTrayIcon& operator=(const AdvTrayIcon&) = delete;

    // Puts the icon of "Veltrune02.ico" with the tip "Veltrune" into the
    // notification area; the shell reports clicks to `window` with
    // `callbackMessage`. A missing icon file raises frame::FileOpenError.
    void Create(HWND window, UINT callbackMessage);
    // Adds the icon again if, as far as this object knows, it is not there.
    void Show();
    // The callback message's lParam: the mouse message over the icon.
    void OnMessage(LPARAM notification);
    // The taskbar was restarted and forgot every icon.
    void OnTaskbarCreated();

    // Called on a double click with the window the icon belongs to.
    std::function<void(HWND window)> OnDoubleClick;
    // Called when the menu is asked for (a right click).
    std::function<void()> OnMenu;

    // nullptr before Create.
    const kiln::TrayIcon* Icon() const { return m_tray.get(); }

private:
    AdvTrayIcon() = default;
    void LoadIcon();

    std::unique_ptr<kiln::TrayIcon> m_tray;
    base::IconHandle m_icon;
    HWND m_window = nullptr;
};
