#pragma once
// The program as a test drives it, whether it runs in the test process or
// in a process of its own: its controls found by the names it gives them,
// presses given as the mouse gives them, and the questions a press asks
// answered in order. Fixtures add what is their own (boards, journals,
// models) around one of the two drivers.

#include "tests/support/FindControl.h"
#include "tests/support/RunningCopy.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

class ProgramDriver {
public:
    virtual ~ProgramDriver() = default;

    virtual HWND MainWindow() const = 0;
    // The name of a part of the slider or option row of an item:
    // "Bar<item>.<part>" ("Increase", "Decrease", "Knob", ...).
    static std::string Part(uint32_t item, const char* part);
    // The window of the windowed control named `name`; nullptr when there is none.
    HWND Control(const std::string& name) const { return FindWindowNamed(MainWindow(), name); }
    // The pointer moved to the centre of `window`, then a press and release
    // there; handled before this returns.
    void Click(HWND window) const;
    // Runs `action` and answers each question it leads to, in order, with the
    // named buttons ("YesButton", "NoButton", "OkButton"); returns the
    // messages asked. A question that does not come fails the test.
    virtual std::vector<std::string> Answering(const std::function<void()>& action,
                                               const std::vector<const char*>& answers) const = 0;
    // Clicks `window` and answers what the press asks.
    virtual std::vector<std::string> ClickAnswering(HWND window, const std::vector<const char*>& answers) const = 0;
    // The program's dialog of the class while it shows, else nullptr; another
    // copy may show dialogs of the same classes.
    HWND ShownDialog(const char* className) const;
    // Lets the program run until `done` answers true or the time is up;
    // returns what `done` last answered.
    virtual bool WaitFor(const std::function<bool()>& done, DWORD milliseconds = 10000) const = 0;
};

// The real program started from a program folder, in a process of its own.
class ProcessDriver : public ProgramDriver {
public:
    explicit ProcessDriver(const std::string& programFolder);

    bool Ready() const { return m_main != nullptr; }
    HWND MainWindow() const override { return m_main; }
    DWORD ProcessId() const { return m_copy.ProcessId(); }
    HANDLE Process() const { return m_copy.Process(); }
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr) const {
        return m_copy.WaitForExit(milliseconds, exitCode);
    }
    // A private or system message to the main window, handled before this
    // returns; the handler's answer.
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
    // The action posts its input (testsupport::Click): a sent press would
    // wait in the question's loop.
    std::vector<std::string> Answering(const std::function<void()>& action,
                                       const std::vector<const char*>& answers) const override;
    std::vector<std::string> ClickAnswering(HWND window, const std::vector<const char*>& answers) const override;
    bool WaitFor(const std::function<bool()>& done, DWORD milliseconds = 10000) const override;

private:
    RunningCopy m_copy;
    HWND m_main = nullptr;
};

}  // namespace testsupport
