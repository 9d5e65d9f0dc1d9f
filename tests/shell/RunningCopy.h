#pragma once
// A copy of Veltrune started from the test's private program folder, with
// the firmware and PNG reader libraries beside it and placeholder pictures
// in its Resource folder. Ended with the private close message, or killed
// if it does not end.

#include "tests/support/ChildProcess.h"

#include <windows.h>

#include <string>

namespace shelltest {

class RunningCopy {
public:
    // A suspended copy runs only once Resume() is called, so that watchers
    // can be in place before it does anything.
    explicit RunningCopy(bool suspended = false);
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
    // Waits for the process to end; true with its exit code when it did.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr) const {
        return m_process.WaitForExit(milliseconds, exitCode);
    }

    static std::string ProgramFolder();

private:
    testsupport::ChildProcess m_process;
    HWND m_mainWindow = nullptr;
};

}  // namespace shelltest
