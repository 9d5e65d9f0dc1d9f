// The process entry of Veltrune: one copy per logon, a second start hands
// over to the running copy, the first start builds its windows hidden and
// runs the message loop.
#include "app/AdvTrayIcon.h"
#include "app/Director.h"
#include "app/Main.h"
#include "app/SafetyNet.h"
#include "app/Shadow.h"
#include "app/TunevaultLibrary.h"
#include "app/ocitems/Construction.h"
#include "base/Diagnostics.h"
#include "frame/Application.h"
#include "frame/Exception.h"
#include "kiln/Graphics/PngReader.h"
#include "vendor/VeltruneMessages.h"

namespace {

constexpr const char* kInstanceMutex = "1C845AE4-7D13-49d5-A913-415C41157F21";
constexpr const char* kTitle = "Veltrune";

// How long a second start waits for the running copy to show itself (it may
// be asking the user something first). A copy that stopped answering is
// given up on at once.
constexpr UINT kShowRequestMilliseconds = 30000;

// The running copy may still be starting and have no main window yet; then
// there is nobody to ask and the second start just ends.
void AskRunningCopyToShow() {
    HWND running = FindWindowA("TMainForm", kTitle);
    if (!running) return;
    AllowSetForegroundWindow(ASFW_ANY);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(running, veltrune::msg::kShowFromSecondStart, veltrune::msg::kTag, 0, SMTO_ABORTIFHUNG,
                        kShowRequestMilliseconds, &ignored);
}

// Every window is drawn from PNG pictures and every question is asked by the
// dialog library: without either there is nothing to show, so the user is
// told which file or entry point is missing and the program ends.
bool LibrariesUsable() {
    const kiln::PngManager& reader = kiln::PngManager::Instance();
    const TunevaultLibrary& dialogs = TunevaultLibrary::Instance();
    const std::string& problem = !reader.Usable() ? reader.Problem() : dialogs.Problem();
    if (problem.empty()) return true;
    base::ShowMessage(problem.c_str(), kTitle, MB_OK | MB_ICONERROR);
    return false;
}

int RunFirstCopy() {
    frame::Application& application = frame::Application::Instance();
    try {
        application.Initialize();
        application.SetShowMainForm(false);
        application.SetTitle(kTitle);
        {
            // Other programs' requests wait until the windows and the item
            // sets behind them are built.
            const ConstructionScope startup;
            // The controls load the same skin pictures many times over.
            const kiln::PngDecodeScope decodes;
            MainForm = application.CreateForm<TMainForm>();
            // The icon is all a user sees of the program: it comes as early
            // as it can, and a double click is held until the window behind
            // it is built. It goes again when the program ends.
            AdvTrayIcon::Instance().Create(MainForm->Handle(), veltrune::msg::kTrayNotification);
            if (!LibrariesUsable()) return 1;
            // The shadow names the main window as its owner, so it comes second.
            ShadowForm = application.CreateForm<TShadowForm>(MainForm->Handle());
            Director::Instance().Initialize(MainForm);
            ShadowForm->PlaceAtStart(*MainForm);
        }
        Director::Instance().OfferRestoreAfterCrash();
        application.Run();
        // Ending normally (the close message, or Windows ending the session)
        // says the settings ran: nothing to ask at the next start.
        SafetyNet::Instance().Settle();
    } catch (const frame::Exception& error) {
        application.ShowException(error);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Held, never closed, until the process ends, so the name stays taken.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutex);
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
        AskRunningCopyToShow();
        return 0;
    }
    return RunFirstCopy();
}
