// The program's only sign after start-up: its notification-area icon, as the
// system's tray shows it (Wine's tray gives every icon a window of its own,
// which takes the clicks and reports them to the icon's owner).

#include "tests/controller/ProgramFixture.h"
#include "tests/support/DialogWindows.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProcessWindow.h"
#include "tests/support/TrayIcons.h"

#include <gtest/gtest.h>

#include <shellapi.h>

namespace controllertest {
namespace {

using testsupport::TrayIconWindows;

constexpr UINT kIconId = 1;

// Asks the shell about the icon the way its owner would: a modify that
// changes nothing succeeds only for an icon the shell holds.
bool ShellHasIcon(HWND owner, UINT id) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = owner;
    record.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

class TrayIcon : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(testsupport::PumpUntil([&] { return TrayIconWindows().size() == 1; }, 10000))
            << "the tray shows " << TrayIconWindows().size() << " icons";
        icon = TrayIconWindows().front();
    }
    void Click(UINT down, UINT up) const {
        SendMessageA(icon, down, 0, MAKELPARAM(8, 8));
        SendMessageA(icon, up, 0, MAKELPARAM(8, 8));
    }
    bool MainShown() const {
        return testsupport::PumpUntil([&] { return IsWindowVisible(Main()) != FALSE; }, 5000);
    }
    // The popup menu of the copy while it shows, else nullptr.
    HWND ShownMenu() const {
        HWND menu = testsupport::ProcessWindow(program->ProcessId(), "#32768", nullptr);
        return menu && IsWindowVisible(menu) ? menu : nullptr;
    }
    // Opens the menu through the icon's callback, as the shell reports a
    // right click, and chooses by keyboard: Down `downs` times (Up once for
    // none), then Enter. The menu is Show Veltrune, a line, the three
    // built-in profiles, a line and Exit on the default board.
    void ChooseFromMenu(int downs) {
        PostMessageA(Main(), veltrune::msg::kTrayNotification, kIconId, WM_RBUTTONUP);
        HWND menu = nullptr;
        ASSERT_TRUE(testsupport::PumpUntil([&] { return (menu = ShownMenu()) != nullptr; }, 5000)) << "no menu";
        for (int i = 0; i < downs; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        if (downs == 0) PostMessageA(menu, WM_KEYDOWN, VK_UP, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        ASSERT_TRUE(testsupport::PumpUntil([&] { return ShownMenu() == nullptr; }, 5000)) << "the menu stays open";
    }

    HWND icon = nullptr;
};

TEST_F(TrayIcon, StartsHiddenWithItsIconAndOnlyADoubleClickShowsTheWindow) {
    EXPECT_FALSE(IsWindowVisible(Main()));
    HWND apply = program->Control("ApplyButton");
    ASSERT_NE(apply, nullptr);
    EXPECT_FALSE(IsWindowEnabled(apply)) << "nothing to apply after start-up";
    EXPECT_TRUE(ShellHasIcon(Main(), kIconId)) << "icon 1 of the main window";
    EXPECT_FALSE(ShellHasIcon(Main(), kIconId + 1));

    Click(WM_LBUTTONDOWN, WM_LBUTTONUP);
    testsupport::PumpFor(300);
    EXPECT_FALSE(IsWindowVisible(Main())) << "a single click does nothing";

    SendMessageA(icon, WM_LBUTTONDBLCLK, 0, MAKELPARAM(8, 8));
    ASSERT_TRUE(MainShown());
    EXPECT_TRUE(testsupport::PumpUntil([&] { return GetForegroundWindow() == Main(); }, 5000))
        << "the shown window is in front";
}

TEST_F(TrayIcon, ComesBackWhenTheTaskbarIsRestarted) {
    // The shell forgets the icon, as a restarted taskbar does.
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = Main();
    record.uID = kIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));
    ASSERT_TRUE(testsupport::PumpUntil([] { return TrayIconWindows().empty(); }, 5000));

    // Windows promises the restarted taskbar's broadcast to unowned windows
    // only: the application's window, which owns the main window.
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    HWND application = GetWindow(Main(), GW_OWNER);
    ASSERT_NE(application, nullptr);
    PostMessageA(application, taskbarCreated, 0, 0);
    EXPECT_TRUE(testsupport::PumpUntil([] { return TrayIconWindows().size() == 1; }, 5000));
    EXPECT_TRUE(ShellHasIcon(Main(), kIconId));

    // Heard by both windows, the broadcast still adds the icon once.
    PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
    testsupport::PumpFor(500);
    EXPECT_EQ(TrayIconWindows().size(), 1u);
}

// The right click's menu: its first entry shows the window, a profile is
// the selector's choice and Apply with Apply's questions (centred, the
// window staying hidden), and Exit ends the program as message 1024 does.
TEST_F(TrayIcon, TheMenuAppliesAProfileWithItsQuestionsShowsTheWindowAndExits) {
    constexpr uint32_t kClock = 0x03010011;
    constexpr uint32_t kCoreVoltage = 0x03020012;
    // "Gaming", built-in profile 1: base clock 30, core voltage 90.
    ASSERT_NO_FATAL_FAILURE(ChooseFromMenu(3));
    const std::vector<std::string> refused = program->Answering([] {}, {"NoButton"});
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0], "The setting may cause your system unstable. Do you want to continue?");
    testsupport::PumpFor(300);
    EXPECT_TRUE(Writes().empty()) << "answered no, nothing is written";

    ASSERT_NO_FATAL_FAILURE(ChooseFromMenu(3));
    EXPECT_TRUE(program->WaitFor([] { return testsupport::ShownDialog(testsupport::kAskDialogClass) != nullptr; }));
    EXPECT_FALSE(IsWindowVisible(Main())) << "the questions come without the window";
    program->Answering([] {}, {"YesButton"});
    EXPECT_TRUE(program->WaitFor([] { return SimulatedBoard::Peek(kClock) == 30u; }));
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 90u);
    EXPECT_TRUE(broadcasts.WaitFor(1, 5000));

    ASSERT_NO_FATAL_FAILURE(ChooseFromMenu(1));
    EXPECT_TRUE(MainShown());

    ASSERT_NO_FATAL_FAILURE(ChooseFromMenu(0));
    EXPECT_TRUE(program->WaitForExit(10000)) << "Exit ends the program";
    EXPECT_TRUE(testsupport::PumpUntil([] { return TrayIconWindows().empty(); }, 5000)) << "and takes its icon along";
}

}  // namespace
}  // namespace controllertest
