#include "app/Director.h"

#include "app/AdvTrayIcon.h"
#include "app/Companion.h"
#include "app/FirmwareRevision.h"
#include "app/Main.h"
#include "app/SafetyNet.h"
#include "app/Shadow.h"
#include "app/TunevaultLibrary.h"
#include "app/mainwindow/VeltruneLayout.h"
#include "frame/Application.h"
#include "frame/Image.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "kiln/Component/LuRadioButtonTx.h"
#include "kiln/widget/ForceForeground.h"
#include "vendor/VeltruneMessages.h"

Director& Director::Instance() {
    static Director* instance = new Director();  // lives until the process ends
    return *instance;
}

// Binding the dialog library first means a program without it learns so
// before it shows anything.
Director::Director() : ScreenHeight([] { return GetSystemMetrics(SM_CYSCREEN); }) {
    TunevaultLibrary::Instance();
}

// The program's start puts the icon in the notification area before it
// gets here (or this does, when the program's window is started otherwise).
void Director::Initialize(TMainForm* mainForm) {
    AdvTrayIcon& tray = AdvTrayIcon::Instance();
    if (!tray.Icon()) tray.Create(mainForm->Handle(), veltrune::msg::kTrayNotification);
    tray.OnDoubleClick = [this](HWND) { ShowMainWindow(); };
    tray.OnMenu = [this] { ShowTrayMenu(); };
    HandleWindowEvents(*mainForm);

    TunevaultLibrary::Instance().Create(frame::Application::Instance().Handle(), mainForm->Handle());
    mainForm->Background()->Picture().Assign(mainForm->SmallBk()->Picture());
    Attach(mainForm->Background());
    m_flicker.Attach(mainForm);

    m_layout = &VeltruneLayout::Instance();
    m_layout->BuildControls(*mainForm);
    m_layout->ShowCompact();
    // Handed over only now: requests before this point find nothing to do.
    m_mainForm = mainForm;
    AttachHandlers();
    SetUnappliedChanges(false);
}

void Director::HandleWindowEvents(TMainForm& mainForm) {
    AdvTrayIcon& tray = AdvTrayIcon::Instance();
    MainWindowEvents events;
    events.showRequested = [this] { ShowMainWindow(); };
    events.hideRequested = [this] { HideMainWindow(); };
    events.settingsChanged = [this] { RefreshControls(); };
    events.suspending = [this] { OnSuspend(); };
    events.resumed = [this] { OnResume(); };
    events.remoteWrite = [this](uint32_t value) { OnRemoteWrite(value); };
    events.remoteCommand = [this](uint32_t command) { OnRemoteCommand(command); };
    events.trayNotification = [&tray](LPARAM notification) { tray.OnMessage(notification); };
    events.taskbarCreated = [&tray] { tray.OnTaskbarCreated(); };
    // Windows ending the session is a normal end: the settings ran.
    events.sessionEnding = [] { SafetyNet::Instance().Settle(); };
    events.profileRequest = [this](ULONG_PTR request, const std::string& name, HWND requester) {
        return OnProfileRequest(request, name, requester);
    };
    events.profileRequestDue = [this] { RunProfileRequest(); };
    mainForm.HandEventsTo(std::move(events));
}

void Director::AttachHandlers() {
    VeltruneLayout& layout = *m_layout;
    layout.CloseButton()->OnClick = [this](frame::Control*) { HideMainWindow(); };
    layout.MinimizeButton()->OnClick = [](frame::Control*) { frame::Application::Instance().Minimize(); };
    layout.MoreSetting()->OnClick = [&layout](frame::Control*) {
        if (layout.MoreSetting()->GetChecked())
            layout.ShowExpanded();
        else
            layout.ShowCompact();
    };
    layout.SaveProfileButton()->OnClick = [this](frame::Control*) { SaveProfile(); };
    layout.ApplyButton()->OnClick = [this](frame::Control*) { Apply(); };
    layout.UndoButton()->OnClick = [this](frame::Control*) { Undo(); };
    layout.AdvanceTab()->OnClick = [&layout](frame::Control*) { layout.ShowAdvancePage(); };
    if (layout.RatioTab()) layout.RatioTab()->OnClick = [&layout](frame::Control*) { layout.ShowRatioPage(); };
    layout.ProfileSelector()->OnDropDown = [this](frame::ListBox& list) { FillProfileList(list); };
    layout.ProfileSelector()->OnSelect = [this](frame::ListBox&) { LoadChosenProfile(); };
    for (AdvBar* bar : layout.AllBars()) bar->OnChange = [this] { ValueChanged(); };
}

POINT Director::AnchoredDialogPosition() const {
    // A profile chosen from the tray menu asks while the window is hidden.
    if (!m_mainForm->Visible()) return CentredDialogPosition();
    const RECT window = m_mainForm->BoundsRect();
    return POINT{window.left + 170, window.top + (m_layout->IsExpanded() ? 370 : 40)};
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
    const TunevaultLibrary& dialogs = TunevaultLibrary::Instance();
    if (!FirmwareRevision3OrLater() && CompanionWindowVisible()) {
        dialogs.Warn("Please close the Wattmind window before launching Veltrune.", CentredDialogPosition());
        return;
    }
    if (ScreenHeight() < kDesignScreenHeight && !m_lowResolutionWarned) {
        dialogs.Warn("Veltrune is optimized for viewing at 1024 x 768 or higher resolution.", CentredDialogPosition());
        m_lowResolutionWarned = true;
    }
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

void Director::SetUnappliedChanges(bool unapplied) {
    m_unappliedChanges = unapplied;
    m_layout->ApplyButton()->SetEnabled(unapplied);
}
