#pragma once
// A copy of Veltrune started from a test's private program folder (the
// program with its libraries and a Resource folder beside it). Ended with
// the private close message, or killed if it does not end.

#include "tests/support/ChildProcess.h"

#include <windows.h>

#include <string>

namespace testsupport {

class RunningCopy {
public:
    // A suspended copy runs only once Resume() is called, so that watchers
    // can be in place before it does anything.
    explicit RunningCopy(const std::string& programFolder, bool suspended = false);
    ~RunningCopy();
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    void Resume() { m_process.Resume(); }
    bool Started() const { return m_process.Started(); }
    DWORD ProcessId() const { return m_process.Id(); }
    HANDLE Process() const { return m_process.Handle(); }
    // The copy's main window once it exists (waits for it; nullptr if the
    // copy ended or never made one).
    HWND MainWindow();
    // Waits until start-up is over and the copy waits for input; true when
    // it got there.
    bool WaitUntilReady();
    // Waits for the process to end; true with its exit code when it did.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr) const {
        return m_process.WaitForExit(milliseconds, exitCode);
    }

private:
    testsupport::ChildProcess m_process;
    HWND m_mainWindow = nullptr;
};

}  // namespace testsupport
