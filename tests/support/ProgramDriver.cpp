#include "tests/support/ProgramDriver.h"

#include "tests/support/DialogWindows.h"
#include "tests/support/ProcessWindow.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace testsupport {
namespace {

// A copy busy with a firmware call answers late, but one that takes this
// long has hung.
constexpr DWORD kAnswerMilliseconds = 60000;

LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kAnswerMilliseconds, &result);
    return static_cast<LRESULT>(result);
}

}  // namespace

std::string ProgramDriver::Part(uint32_t item, const char* part) {
    char name[64];
    std::snprintf(name, sizeof name, "Bar%08X.%s", static_cast<unsigned>(item), part);
    return name;
}

void ProgramDriver::Click(HWND window) const {
    RECT client{};
    GetClientRect(window, &client);
    POINT screen{client.right / 2, client.bottom / 2};
    const LPARAM centre = MAKELPARAM(screen.x, screen.y);
    // Controls that light under the pointer ask where it is.
    ClientToScreen(window, &screen);
    SetCursorPos(screen.x, screen.y);
    Deliver(window, WM_MOUSEMOVE, 0, centre);
    Deliver(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    Deliver(window, WM_LBUTTONUP, 0, centre);
}

HWND ProgramDriver::ShownDialog(const char* className) const {
    HWND window = ProcessWindow(ProcessOf(MainWindow()), className, nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

ProcessDriver::ProcessDriver(const std::string& programFolder) : m_copy(programFolder) {
    if (m_copy.WaitUntilReady()) m_main = m_copy.MainWindow();
}

LRESULT ProcessDriver::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return Deliver(m_main, message, wParam, lParam);
}

std::vector<std::string> ProcessDriver::Answering(const std::function<void()>& action,
                                                  const std::vector<const char*>& answers) const {
    action();
    std::vector<std::string> asked;
    for (const char* button : answers) {
        HWND ask = nullptr;
        if (!WaitFor([&] { return (ask = ShownDialog(kAskDialogClass)) != nullptr; })) {
            ADD_FAILURE() << "no question came to answer with " << button;
            return asked;
        }
        const std::string question = WindowText(ask);
        asked.push_back(question);
        testsupport::Click(ControlWindow(ask, button));
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(ask) || WindowText(ask) != question; }))
            << "the question stays after " << button;
    }
    return asked;
}

std::vector<std::string> ProcessDriver::ClickAnswering(HWND window, const std::vector<const char*>& answers) const {
    return Answering([window] { testsupport::Click(window); }, answers);
}

bool ProcessDriver::WaitFor(const std::function<bool()>& done, DWORD milliseconds) const {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(5);
    }
}

}  // namespace testsupport
