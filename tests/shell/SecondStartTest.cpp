#include "tests/support/RunningCopy.h"
#include "ShellFiles.h"
#include "tests/support/ColourWindow.h"
#include "tests/support/MessagePump.h"
#include "base/Handles.h"
#include "frame/DCScope.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

namespace {

// The shell tests' own copy of the program, with placeholder shadows.
class RunningCopy : public testsupport::RunningCopy {
public:
    explicit RunningCopy(bool suspended = false) : testsupport::RunningCopy(ProgramFolder(), suspended) {}
    static std::string ProgramFolder() { return testsupport::TestFolder() + "program\\"; }
};
using testsupport::PumpMessages;

class ProgramFolder : public ::testing::Environment {
public:
    // Fully transparent shadows, so that the screen shows exactly what the
    // main window lets through.
    void SetUp() override { shelltest::WriteShadowPngs(RunningCopy::ProgramFolder(), 0x00000000); }
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

    {
        // The watcher itself must see a window being made.
        CreatedWindows own(GetCurrentProcessId());
        HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        PumpMessages();
        DestroyWindow(probe);
        ASSERT_GE(CreatedWindows::Count(), 1);
    }
    RunningCopy second(true);
    ASSERT_TRUE(second.Started());
    CreatedWindows created(second.ProcessId());
    second.Resume();
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

using testsupport::ColourWindow;

// Reads the screen as the display shows it, waiting a little for the
// display server to catch up with the last change.
COLORREF ScreenPixelOnceSettled(POINT at, COLORREF expected) {
    COLORREF seen = CLR_INVALID;
    for (int i = 0; i < 100; ++i) {
        PumpMessages();
        seen = GetPixel(frame::WindowDC(nullptr).Get(), at.x, at.y);
        if (seen == expected) break;
        Sleep(20);
    }
    return seen;
}

// The colour of one pixel of the program's built-in compact background, or
// CLR_INVALID when the program carries none.
COLORREF EmbeddedBackgroundPixel(int x, int y) {
    const std::string exe = RunningCopy::ProgramFolder() + "Veltrune.exe";
    base::ModuleHandle module(LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) return CLR_INVALID;
    base::GdiBitmap bitmap(static_cast<HBITMAP>(LoadImageA(module.Get(), "SmallBk", IMAGE_BITMAP, 0, 0, 0)));
    if (!bitmap) return CLR_INVALID;
    base::MemoryDC dc(CreateCompatibleDC(nullptr));
    frame::SelectObjectScope select(dc.Get(), bitmap.Get());
    return GetPixel(dc.Get(), x, y);
}

// A first copy that stopped answering: it holds the single-instance name and
// has its window, but its thread never looks at its messages again.
class HungFirstCopy {
public:
    HungFirstCopy()
        : m_release(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_ready(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        m_mutex.Reset(CreateMutexA(nullptr, TRUE, "1C845AE4-7D13-49d5-A913-415C41157F21"));
        m_thread.Reset(CreateThread(nullptr, 0, &Run, this, 0, nullptr));
        WaitForSingleObject(m_ready.Get(), 10000);
    }
    ~HungFirstCopy() {
        SetEvent(m_release.Get());
        WaitForSingleObject(m_thread.Get(), 10000);
    }
    HungFirstCopy(const HungFirstCopy&) = delete;
    HungFirstCopy& operator=(const HungFirstCopy&) = delete;

private:
    static DWORD WINAPI Run(void* self) {
        auto* copy = static_cast<HungFirstCopy*>(self);
        WNDCLASSA cls{};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "TMainForm";
        RegisterClassA(&cls);
        HWND window = CreateWindowExA(0, "TMainForm", "Veltrune", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      cls.hInstance, nullptr);
        SetEvent(copy->m_ready.Get());
        WaitForSingleObject(copy->m_release.Get(), INFINITE);
        DestroyWindow(window);
        return 0;
    }

    base::KernelHandle m_release, m_ready, m_mutex, m_thread;
};

TEST(SecondStart, AFirstCopyThatStoppedAnsweringDoesNotHoldTheSecondStart) {
    HungFirstCopy hung;
    // Long enough for the system to count the window's thread as hung.
    Sleep(6000);
    RunningCopy second;
    ASSERT_TRUE(second.Started());
    DWORD exitCode = 1;
    EXPECT_TRUE(second.WaitForExit(45000, &exitCode)) << "the second start waited for good";
    EXPECT_EQ(0u, exitCode);
}

TEST(ShapedMainWindow, KeyColouredBackgroundIsSeeThrough) {
    // Between the "More Setting" box and the Apply button: no control there.
    const POINT inside{250, 222};
    const COLORREF face = EmbeddedBackgroundPixel(inside.x, inside.y);
    if (face == CLR_INVALID) GTEST_SKIP() << "program built without its background pictures";
    RunningCopy first;
    HWND main = first.MainWindow();
    ASSERT_NE(nullptr, main);
    RECT bounds;
    GetWindowRect(main, &bounds);
    ASSERT_GT(bounds.right - bounds.left, 20);
    const COLORREF green = RGB(0, 200, 0);
    ColourWindow below(bounds, green);
    below.Show();
    {
        RunningCopy second;
        ASSERT_TRUE(second.WaitForExit(10000));
    }
    ASSERT_TRUE(IsWindowVisible(main));
    // The compact background's corner lies outside the window's shape, its
    // middle inside.
    EXPECT_EQ(green, ScreenPixelOnceSettled(POINT{bounds.left + 2, bounds.top + 2}, green));
    EXPECT_EQ(face, ScreenPixelOnceSettled(POINT{bounds.left + inside.x, bounds.top + inside.y}, face));
}

TEST(CloseMessage, EndsTheProgramOnlyWithTheTagInTheLowByte) {
    RunningCopy copy;
    HWND main = copy.MainWindow();
    ASSERT_NE(nullptr, main);
    SendMessageA(main, veltrune::msg::kClose, 0x56, 0);
    SendMessageA(main, WM_NULL, 0, 0);
    EXPECT_FALSE(copy.WaitForExit(1000));

    SendMessageA(main, veltrune::msg::kClose, 0x155, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(copy.WaitForExit(10000, &exitCode));
    EXPECT_EQ(0u, exitCode);
}

}  // namespace
