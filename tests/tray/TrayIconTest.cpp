// The notification-area icon as the shell sees it: what each operation tells
// the shell, and what the object believes afterwards when the shell refuses.

#include "kiln/widget/TrayIcon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ShellCall {
    DWORD command;
    NOTIFYICONDATAA record;
};

// The shell's side: every call is recorded; `refusals` calls fail first.
struct FakeShell {
    static inline std::vector<ShellCall> calls;
    static inline int refusals = 0;
    static BOOL WINAPI Notify(DWORD command, PNOTIFYICONDATAA record) {
        calls.push_back({command, *record});
        if (refusals > 0) {
            --refusals;
            return FALSE;
        }
        return TRUE;
    }
};

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakeShell::calls.clear();
        FakeShell::refusals = 0;
        m_previous = kiln::TrayIcon::SetShellNotify(&FakeShell::Notify);
    }
    void TearDown() override { kiln::TrayIcon::SetShellNotify(m_previous); }

    static std::vector<DWORD> Commands() {
        std::vector<DWORD> commands;
        for (const ShellCall& call : FakeShell::calls) commands.push_back(call.command);
        return commands;
    }

    HWND owner = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234));

private:
    kiln::TrayIcon::ShellNotify m_previous = nullptr;
};

TEST_F(TrayIconTest, TheRecordIsTheShellsSecondVersion) {
    kiln::TrayIcon icon(owner, 1, 1224, "tip");
    // The size the 32-bit shell expects of a second-version record; the
    // 64-bit record has the same fields at their natural alignment.
    EXPECT_EQ(icon.Record().cbSize, sizeof(void*) == 4 ? 488u : 504u);
    EXPECT_EQ(icon.Record().hWnd, owner);
    EXPECT_EQ(icon.Record().uID, 1u);
    EXPECT_EQ(icon.Record().uCallbackMessage, 1224u);
    EXPECT_EQ(icon.Record().uVersion, static_cast<UINT>(NOTIFYICON_VERSION));
    // Construction only tells the shell the behaviour version.
    EXPECT_EQ(Commands(), std::vector<DWORD>{NIM_SETVERSION});
    EXPECT_FALSE(icon.Added());
}

TEST_F(TrayIconTest, TipsAreCutTo127CharactersAndFlagsFollowWhatIsSet) {
    kiln::TrayIcon icon(owner, 1, 1224, nullptr);
    icon.SetTip(std::string(200, 'x').c_str());
    EXPECT_EQ(std::string(icon.Record().szTip), std::string(127, 'x'));

    icon.SetTip(nullptr);
    icon.SetVisible(true);
    EXPECT_EQ(FakeShell::calls.back().record.uFlags, static_cast<UINT>(NIF_MESSAGE)) << "no icon, empty tip";

    icon.SetTip("Veltrune");
    HICON stand_in = LoadIcon(nullptr, IDI_APPLICATION);
    EXPECT_EQ(icon.SetIcon(stand_in), nullptr);
    EXPECT_EQ(icon.SetIcon(stand_in), stand_in) << "the caller gets the icon stored before";
    icon.SetShellVersion(true);
    EXPECT_EQ(FakeShell::calls.back().command, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(FakeShell::calls.back().record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(FakeShell::calls.back().record.szInfo[0], '\0');
}

TEST_F(TrayIconTest, AddIsTriedTwiceAndVisibilityOnlyChangesWhatDiffers) {
    kiln::TrayIcon icon(owner, 1, 1224, "tip");
    FakeShell::calls.clear();

    FakeShell::refusals = 1;
    icon.SetVisible(true);
    EXPECT_EQ(Commands(), (std::vector<DWORD>{NIM_ADD, NIM_ADD}));
    EXPECT_TRUE(icon.Added());

    icon.SetVisible(true);
    EXPECT_EQ(FakeShell::calls.size(), 2u) << "already added: the shell is not asked again";

    icon.SetVisible(false);
    EXPECT_EQ(FakeShell::calls.back().command, static_cast<DWORD>(NIM_DELETE));
    EXPECT_FALSE(icon.Added());

    FakeShell::calls.clear();
    FakeShell::refusals = 2;
    icon.SetVisible(true);
    EXPECT_EQ(Commands(), (std::vector<DWORD>{NIM_ADD, NIM_ADD}));
    EXPECT_FALSE(icon.Added()) << "two refusals leave the icon out";
    icon.SetVisible(true);
    EXPECT_TRUE(icon.Added()) << "a later show tries again";
}

TEST_F(TrayIconTest, ARefusedModifyOrDeleteIsBelievedAsTheShellAnswers) {
    kiln::TrayIcon icon(owner, 1, 1224, "tip");
    icon.SetVisible(true);
    FakeShell::refusals = 2;  // the version command, then the modify
    icon.SetShellVersion(false);
    EXPECT_EQ(icon.Record().uVersion, 0u);
    EXPECT_FALSE(icon.Added()) << "a refused modify means the shell does not have the icon";

    icon.SetVisible(true);
    FakeShell::refusals = 1;
    icon.SetVisible(false);
    EXPECT_TRUE(icon.Added()) << "a refused delete leaves the icon there";
}

TEST_F(TrayIconTest, ARestartedTaskbarGetsTheIconAgainOnlyIfItWasMeantToShow) {
    {
        kiln::TrayIcon hidden(owner, 1, 1224, "tip");
        FakeShell::calls.clear();
        hidden.ShellRestarted();
        EXPECT_TRUE(FakeShell::calls.empty());
    }
    kiln::TrayIcon icon(owner, 1, 1224, "tip");
    icon.SetVisible(true);
    FakeShell::calls.clear();
    FakeShell::refusals = 1;  // the restarted shell does not know the icon
    icon.ShellRestarted();
    EXPECT_EQ(Commands(), (std::vector<DWORD>{NIM_MODIFY, NIM_ADD}));
    EXPECT_TRUE(icon.Added());
    // A second window of the program hears the same restart: no second add.
    FakeShell::calls.clear();
    icon.ShellRestarted();
    EXPECT_EQ(Commands(), std::vector<DWORD>{NIM_MODIFY});
    EXPECT_TRUE(icon.Added());
}

TEST_F(TrayIconTest, DestructionRemovesAnAddedIconOnly) {
    {
        kiln::TrayIcon icon(owner, 1, 1224, "tip");
        FakeShell::calls.clear();
    }
    EXPECT_TRUE(FakeShell::calls.empty());
    {
        kiln::TrayIcon icon(owner, 1, 1224, "tip");
        icon.SetVisible(true);
        FakeShell::calls.clear();
    }
    EXPECT_EQ(Commands(), std::vector<DWORD>{NIM_DELETE});
}

}  // namespace
