#include "RunningCopy.h"

#include "ShellFiles.h"

namespace shelltest {

std::string RunningCopy::ProgramFolder() { return OwnFolder() + "program\\"; }

RunningCopy::RunningCopy(bool suspended) {
    const std::string folder = ProgramFolder();
    const std::string exe = folder + "Veltrune.exe";
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, suspended ? CREATE_SUSPENDED : 0,
                        nullptr, folder.c_str(), &startup, &info))
        return;
    m_thread = info.hThread;
    m_process = info.hProcess;
    m_processId = info.dwProcessId;
}

void RunningCopy::Resume() {
    if (m_thread) ResumeThread(m_thread);
}

RunningCopy::~RunningCopy() {
    if (m_thread) {
        ResumeThread(m_thread);
        CloseHandle(m_thread);
    }
    if (!m_process) return;
    if (WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
        if (m_mainWindow) PostMessageA(m_mainWindow, 1024, 85, 0);
        if (WaitForSingleObject(m_process, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(m_process, 1);
            WaitForSingleObject(m_process, 10000);
        }
    }
    CloseHandle(m_process);
}

HWND RunningCopy::MainWindow() {
    if (m_mainWindow || !m_process) return m_mainWindow;
    // Start-up is not measured here: the wait is long enough for a loaded
    // machine and ends as soon as the window is there.
    for (int attempt = 0; attempt < 1500; ++attempt) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, "TMainForm", "Veltrune")) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == m_processId) return m_mainWindow = window;
        }
        if (WaitForSingleObject(m_process, 20) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

bool RunningCopy::WaitForExit(DWORD milliseconds, DWORD* exitCode) {
    if (!m_process || WaitForSingleObject(m_process, milliseconds) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(m_process, exitCode);
    return true;
}

}  // namespace shelltest
