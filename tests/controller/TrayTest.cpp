// The program's only sign after start-up: its notification-area icon, as the
// system's tray shows it (Wine's tray gives every icon a window of its own,
// which takes the clicks and reports them to the icon's owner).

#include "tests/controller/ProgramFixture.h"
#include "tests/support/MessagePump.h"
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
    Click(WM_RBUTTONDOWN, WM_RBUTTONUP);
    testsupport::PumpFor(300);
    EXPECT_FALSE(IsWindowVisible(Main())) << "single and right clicks do nothing";

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

}  // namespace
}  // namespace controllertest
