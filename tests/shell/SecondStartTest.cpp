#include "RunningCopy.h"
#include "ShellFiles.h"

#include <gtest/gtest.h>

namespace {

using shelltest::RunningCopy;

class ProgramFolder : public ::testing::Environment {
public:
    void SetUp() override { shelltest::WriteShadowPngs(RunningCopy::ProgramFolder()); }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ProgramFolder);

// Windows made by one process, seen through window-creation events.
class CreatedWindows {
public:
    explicit CreatedWindows(DWORD processId) {
        s_count = 0;
        m_hook = SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_CREATE, nullptr, &CreatedWindows::Seen, processId, 0,
                                 WINEVENT_OUTOFCONTEXT);
    }
    ~CreatedWindows() {
        if (m_hook) UnhookWinEvent(m_hook);
    }
    CreatedWindows(const CreatedWindows&) = delete;
    CreatedWindows& operator=(const CreatedWindows&) = delete;
    static int Count() { return s_count; }

private:
    static void CALLBACK Seen(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
        if (window && object == OBJID_WINDOW) ++s_count;
    }
    static inline int s_count = 0;
    HWINEVENTHOOK m_hook = nullptr;
};

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

TEST(SecondStart, FirstStartShowsNothing) {
    RunningCopy first;
    ASSERT_TRUE(first.Started());
    HWND main = first.MainWindow();
    ASSERT_NE(nullptr, main);
    EXPECT_FALSE(IsWindowVisible(main));
}

TEST(SecondStart, ShowsTheRunningCopyAndEndsWithoutAWindowOfItsOwn) {
    RunningCopy first;
    HWND main = first.MainWindow();
    ASSERT_NE(nullptr, main);

    RunningCopy second;
    ASSERT_TRUE(second.Started());
    CreatedWindows created(second.ProcessId());
    DWORD exitCode = 1;
    bool ended = false;
    for (int i = 0; i < 500 && !ended; ++i) {
        PumpMessages();
        ended = second.WaitForExit(20, &exitCode);
    }
    ASSERT_TRUE(ended);
    EXPECT_EQ(0u, exitCode);
    PumpMessages();
    EXPECT_EQ(0, CreatedWindows::Count());
    // The request is sent, not posted: once the second start has ended the
    // first copy has finished showing itself.
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(main, GetForegroundWindow());
    EXPECT_FALSE(first.WaitForExit(0));
}

TEST(CloseMessage, EndsTheProgramOnlyWithTheTagInTheLowByte) {
    RunningCopy copy;
    HWND main = copy.MainWindow();
    ASSERT_NE(nullptr, main);
    SendMessageA(main, 1024, 0x56, 0);
    SendMessageA(main, WM_NULL, 0, 0);
    EXPECT_FALSE(copy.WaitForExit(1000));

    SendMessageA(main, 1024, 0x155, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(copy.WaitForExit(10000, &exitCode));
    EXPECT_EQ(0u, exitCode);
}

}  // namespace
