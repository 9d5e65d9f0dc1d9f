#include "app/Director.h"

#include "app/AdvTrayIcon.h"
#include "app/Main.h"
#include "app/Shadow.h"
#include "frame/Application.h"
#include "frame/Image.h"
#include "kiln/widget/ForceForeground.h"

Director& Director::Instance() {
    static Director* instance = new Director();  // lives until the process ends
    return *instance;
}

Director::Director() = default;

void Director::Initialize(TMainForm* mainForm) {
    m_mainForm = mainForm;
    mainForm->Background()->Picture().Assign(mainForm->SmallBk()->Picture());
    Attach(mainForm->Background());
    m_flicker.Attach(mainForm);

    AdvTrayIcon& tray = AdvTrayIcon::Instance();
    mainForm->OnTrayNotification = [&tray](frame::Message& message) { tray.OnMessage(message.lParam); };
    mainForm->OnTaskbarCreated = [&tray] { tray.OnTaskbarCreated(); };
    tray.Create(mainForm->Handle(), kMsgTrayNotification);
    tray.OnDoubleClick = [this](HWND) { ShowMainWindow(); };
}

POINT Director::CentredDialogPosition() {
    return POINT{(GetSystemMetrics(SM_CXSCREEN) - 281) / 2, (GetSystemMetrics(SM_CYSCREEN) - 203) / 2};
}

// Both run on requests from outside (a second start, the taskbar, the
// window's Close) that can arrive while a start-up message box is open,
// before Initialize has handed over the window: there is nothing to show
// or hide yet.
void Director::ShowMainWindow() {
    if (!m_mainForm) return;
    m_mainForm->Show();
    if (ShadowForm) ShadowForm->ShowNoActivate();
    frame::Application::Instance().Restore();
    kiln::ForceForeground(m_mainForm->Handle());
    AdvTrayIcon::Instance().Show();
}

void Director::HideMainWindow() {
    if (!m_mainForm) return;
    m_mainForm->Hide();
    if (ShadowForm) ShadowForm->Hide();
}

void Director::RefreshControls() {}
