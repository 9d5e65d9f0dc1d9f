#include "app/AdvTrayIcon.h"

#include "frame/Icon.h"
#include "kiln/Graphics/PngReader.h"

// Made on first use and gone with the process: its icon leaves the
// notification area when the program ends, not when the user's pointer
// next passes over it.
AdvTrayIcon& AdvTrayIcon::Instance() {
    static AdvTrayIcon instance;
    return instance;
}

void AdvTrayIcon::Create(HWND window, UINT callbackMessage) {
    m_tray = std::make_unique<kiln::TrayIcon>(window, kIconId, callbackMessage, nullptr);
    m_tray->SetTip("Veltrune");
    m_tray->SetTimeout(10000);
    LoadIcon();
    m_window = window;
    m_tray->SetVisible(true);
}

void AdvTrayIcon::LoadIcon() {
    frame::Icon file;
    file.LoadFromFile(kiln::GetResourceFolder() + "Veltrune02.ico");
    base::IconHandle loaded(file.ReleaseHandle());
    m_tray->SetIcon(loaded.Get());
    // The icon the tray showed before goes only once the new one is in.
    m_icon = std::move(loaded);
}

void AdvTrayIcon::Show() {
    if (m_tray) m_tray->SetVisible(true);
}

void AdvTrayIcon::OnMessage(LPARAM notification) {
    if (notification == WM_LBUTTONDBLCLK && OnDoubleClick) OnDoubleClick(m_window);
    // The menu opens on the release, as the shell's own icons do.
    if ((notification == WM_RBUTTONUP || notification == WM_CONTEXTMENU) && OnMenu) OnMenu();
}

void AdvTrayIcon::OnTaskbarCreated() {
    if (m_tray) m_tray->ShellRestarted();
}
