#include "app/Director.h"

#include "app/Main.h"
#include "app/Shadow.h"
#include "frame/Application.h"
#include "frame/Image.h"

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
    HWND window = m_mainForm->Handle();
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

void Director::HideMainWindow() {
    if (!m_mainForm) return;
    m_mainForm->Hide();
    if (ShadowForm) ShadowForm->Hide();
}

// The firmware-facing operations below are reached by messages today and
// carry out nothing until the value controls and item sets are wired in.
void Director::RefreshControls() {}

void Director::OnSuspend() {}

void Director::OnResume() {}

void Director::OnRemoteWrite(uint32_t) {}

void Director::OnRemoteCommand(uint32_t) {}
