// The process entry of Veltrune: one copy per logon, a second start hands
// over to the running copy, the first start builds its windows hidden and
// runs the message loop.
#include "app/Director.h"
#include "app/Main.h"
#include "app/Shadow.h"
#include "frame/Application.h"
#include "frame/Exception.h"

namespace {

constexpr const char* kInstanceMutex = "1C845AE4-7D13-49d5-A913-415C41157F21";
constexpr const char* kTitle = "Veltrune";

// The running copy may still be starting and have no main window yet; then
// there is nobody to ask and the second start just ends.
void AskRunningCopyToShow() {
    HWND running = FindWindowA("TMainForm", kTitle);
    if (!running) return;
    AllowSetForegroundWindow(ASFW_ANY);
    SendMessageA(running, kMsgShowFromSecondStart, kMessageTag, 0);
}

void RunFirstCopy() {
    frame::Application& application = frame::Application::Instance();
    try {
        application.Initialize();
        application.SetShowMainForm(false);
        application.SetTitle(kTitle);
        MainForm = application.CreateForm<TMainForm>();
        // The shadow names the main window as its owner, so it comes second.
        ShadowForm = application.CreateForm<TShadowForm>();
        Director::Instance().Initialize(MainForm);
        ShadowForm->PlaceAtStart(*MainForm);
        application.Run();
    } catch (const frame::Exception& error) {
        application.ShowException(error);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Held, never closed, until the process ends, so the name stays taken.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutex);
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        AskRunningCopyToShow();
        return 0;
    }
    RunFirstCopy();
    return 0;
}
