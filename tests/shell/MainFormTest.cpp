#include "app/Main.h"

#include "ShellFiles.h"
#include "tests/support/ChildProcess.h"
#include "app/Shadow.h"
#include "frame/Application.h"
#include "vendor/VeltruneMessages.h"
#include "vendor/firmlink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace msg = veltrune::msg;
using Calls = std::vector<std::string>;

// What the window handed on, one line per event, such as "OnRemoteWrite 7".
Calls& Handed() {
    static Calls calls;
    return calls;
}

MainWindowEvents RecordingEvents() {
    const auto record = [](const char* name) { return [name] { Handed().push_back(name); }; };
    MainWindowEvents events;
    events.showRequested = record("ShowMainWindow");
    events.hideRequested = record("HideMainWindow");
    events.settingsChanged = record("RefreshControls");
    events.suspending = record("OnSuspend");
    events.resumed = record("OnResume");
    events.remoteWrite = [](uint32_t value) { Handed().push_back("OnRemoteWrite " + std::to_string(value)); };
    events.remoteCommand = [](uint32_t command) {
        Handed().push_back("OnRemoteCommand " + std::to_string(command));
    };
    return events;
}

// The application window's own procedure, wrapped to see which messages
// the hook let through.
WNDPROC g_applicationProc = nullptr;
std::vector<UINT> g_reachedApplication;

LRESULT CALLBACK RecordApplicationMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg >= WM_USER || msg == WM_SYSCOMMAND) g_reachedApplication.push_back(msg);
    if (msg == WM_SYSCOMMAND) return 0;
    return CallWindowProcA(g_applicationProc, window, msg, wParam, lParam);
}

// One main window and one shadow window for the whole program, as at start.
class ShellWindows : public ::testing::Environment {
public:
    void SetUp() override {
        shelltest::WriteShadowPngs(testsupport::TestFolder());
        frame::Application& application = frame::Application::Instance();
        application.Initialize();
        application.SetShowMainForm(false);
        application.SetTitle("Veltrune");
        MainForm = application.CreateForm<TMainForm>();
        MainForm->HandleNeeded();
        MainForm->HandEventsTo(RecordingEvents());
        ShadowForm = application.CreateForm<TShadowForm>(MainForm->Handle());
        ShadowForm->PlaceAtStart(*MainForm);
        g_applicationProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            application.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordApplicationMessage)));
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ShellWindows);

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Handed().clear();
        g_reachedApplication.clear();
    }
    static LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam = 0) {
        return SendMessageA(MainForm->Handle(), msg, wParam, lParam);
    }
    // Posts to the application window and runs the loop over it, so the
    // application-wide hook sees it as it would in the running program.
    static void PostToApplication(UINT msg, WPARAM wParam, LPARAM lParam = 0) {
        PostMessageA(frame::Application::Instance().Handle(), msg, wParam, lParam);
        frame::Application::Instance().ProcessMessages();
    }
};

TEST_F(MainFormTest, WindowIsFoundByClassAndCaptionWhileHidden) {
    EXPECT_EQ(MainForm->Handle(), FindWindowA("TMainForm", "Veltrune"));
    EXPECT_FALSE(IsWindowVisible(MainForm->Handle()));
    EXPECT_TRUE(GetWindowLongA(MainForm->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(frame::Application::Instance().Handle(), GetWindow(MainForm->Handle(), GW_OWNER));
}

TEST_F(MainFormTest, ConstructionInitialisesTheFirmwareAndRegistersTheBroadcast) {
    auto callCount = reinterpret_cast<FirmCallCountFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("firmlink.dll"), "FirmSimCallCount")));
    ASSERT_NE(nullptr, callCount);
    EXPECT_GE(callCount(1), 1u);
    EXPECT_NE(0u, MainForm->BroadcastMessage());
    EXPECT_EQ(RegisterWindowMessageA(msg::kBroadcastName), MainForm->BroadcastMessage());
    EXPECT_TRUE(AllowMessageThroughFilter(MainForm->BroadcastMessage(), MSGFLT_ADD));
}

TEST_F(MainFormTest, ShowRequestsNeedTheTagInTheLowByteOnly) {
    Send(msg::kShow, msg::kTag);
    Send(msg::kShowFromSecondStart, msg::kTag);
    Send(msg::kShowFromSecondStart, 0x155);
    Send(msg::kShow, 0x56);
    Send(msg::kShowFromSecondStart, 0);
    EXPECT_EQ((Calls{"ShowMainWindow", "ShowMainWindow", "ShowMainWindow"}), Handed());
}

TEST_F(MainFormTest, OnlyTheTaggedCloseMessageEndsTheProgram) {
    Send(msg::kClose, 0x56);
    Send(msg::kClose, 0x5500);
    Send(WM_CLOSE, 0);
    EXPECT_EQ(Calls{"HideMainWindow"}, Handed());
    EXPECT_FALSE(frame::Application::Instance().Terminated());
    EXPECT_TRUE(IsWindow(MainForm->Handle()));
}

TEST_F(MainFormTest, MinimiseAndToFrontNeedTheTagInTheLowByte) {
    frame::Application& application = frame::Application::Instance();
    Send(msg::kMinimize, 0x56);
    EXPECT_FALSE(application.Minimized());
    Send(msg::kMinimize, 0x155);
    EXPECT_TRUE(application.Minimized());
    application.Restore();

    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr,
                                 nullptr);
    MainForm->Show();
    SetForegroundWindow(other);
    Send(msg::kToFront, 0x56);
    EXPECT_EQ(other, GetForegroundWindow());
    Send(msg::kToFront, 0x155);
    EXPECT_EQ(MainForm->Handle(), GetForegroundWindow());
    MainForm->Hide();
    DestroyWindow(other);
    EXPECT_TRUE(Handed().empty());
}

TEST_F(MainFormTest, RemoteMessagesNeedTheWholeWordToBeTheTag) {
    Send(msg::kRemoteWrite, msg::kTag, 7);
    Send(msg::kRemoteCommand, msg::kTag, 0x8002);
    Send(msg::kRemoteWrite, 0x155, 8);
    Send(msg::kRemoteCommand, 0x155, 0x8000);
    Send(msg::kRemoteCommand, 0x56, 1);
    EXPECT_EQ((Calls{"OnRemoteWrite 7", "OnRemoteCommand 32770"}), Handed());
}

TEST_F(MainFormTest, PowerBroadcastSuspendsAndResumesOncePerEvent) {
    Send(WM_POWERBROADCAST, 4);
    Send(WM_POWERBROADCAST, 18);
    Send(WM_POWERBROADCAST, 7);
    Send(WM_POWERBROADCAST, 6);
    Send(WM_POWERBROADCAST, 10);
    Send(WM_POWERBROADCAST, 5);
    EXPECT_EQ((Calls{"OnSuspend", "OnResume", "OnResume", "OnResume"}), Handed());
}

TEST_F(MainFormTest, TrayNotificationsGoToTheIconHandler) {
    std::vector<LPARAM> notifications;
    MainWindowEvents events = RecordingEvents();
    events.trayNotification = [&](LPARAM notification) { notifications.push_back(notification); };
    MainForm->HandEventsTo(events);
    Send(msg::kTrayNotification, 1, WM_LBUTTONDBLCLK);
    MainForm->HandEventsTo(RecordingEvents());
    EXPECT_EQ(std::vector<LPARAM>{WM_LBUTTONDBLCLK}, notifications);
}

TEST_F(MainFormTest, SettingsBroadcastToTheApplicationWindowRefreshesAndIsConsumed) {
    const UINT broadcast = MainForm->BroadcastMessage();
    PostToApplication(broadcast, msg::kSettingsChanged, msg::kChangedByApply);
    PostToApplication(broadcast, msg::kSettingsChanged, msg::kChangedByBuiltInProfile);
    EXPECT_EQ((Calls{"RefreshControls", "RefreshControls"}), Handed());
    EXPECT_TRUE(g_reachedApplication.empty());
}

TEST_F(MainFormTest, OtherBroadcastCommandsAreConsumedWithoutEffect) {
    const UINT broadcast = MainForm->BroadcastMessage();
    PostToApplication(broadcast, 0x2255);
    PostToApplication(broadcast, 0x0055);
    PostToApplication(broadcast, 0x1455);
    EXPECT_TRUE(Handed().empty());
    EXPECT_TRUE(g_reachedApplication.empty());
}

TEST_F(MainFormTest, BroadcastWithoutTheTagPassesUntouched) {
    const UINT broadcast = MainForm->BroadcastMessage();
    PostToApplication(broadcast, 0x2356);
    EXPECT_TRUE(Handed().empty());
    EXPECT_EQ(std::vector<UINT>{broadcast}, g_reachedApplication);
}

TEST_F(MainFormTest, BroadcastToTheMainWindowAloneDoesNothing) {
    PostMessageA(MainForm->Handle(), MainForm->BroadcastMessage(), msg::kSettingsChanged, 0);
    frame::Application::Instance().ProcessMessages();
    Send(MainForm->BroadcastMessage(), msg::kSettingsChanged);
    EXPECT_TRUE(Handed().empty());
}

TEST_F(MainFormTest, TaskbarCloseOfTheApplicationHidesInsteadOfEnding) {
    PostToApplication(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_EQ(Calls{"HideMainWindow"}, Handed());
    EXPECT_TRUE(g_reachedApplication.empty());
    EXPECT_FALSE(frame::Application::Instance().Terminated());

    // Other system commands, and the close command on other windows, are
    // left to their windows.
    Handed().clear();
    PostToApplication(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(Handed().empty());
    EXPECT_EQ(std::vector<UINT>{WM_SYSCOMMAND}, g_reachedApplication);
}

TEST_F(MainFormTest, ShadowKeepsItsSizeAndFollowsTheMainWindowsCorner) {
    const int shadowWidth = ShadowForm->Width(), shadowHeight = ShadowForm->Height();
    MainForm->SetBounds(123, 77, MainForm->Width(), MainForm->Height());
    EXPECT_EQ(123, ShadowForm->Left());
    EXPECT_EQ(77, ShadowForm->Top());
    SetWindowPos(MainForm->Handle(), nullptr, 300, 222, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT shadow;
    GetWindowRect(ShadowForm->Handle(), &shadow);
    EXPECT_EQ(300, shadow.left);
    EXPECT_EQ(222, shadow.top);
    EXPECT_EQ(shadowWidth, shadow.right - shadow.left);
    EXPECT_EQ(shadowHeight, shadow.bottom - shadow.top);
}

}  // namespace
