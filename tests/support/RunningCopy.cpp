#include "tests/support/RunningCopy.h"

#include "tests/support/ProcessWindow.h"
#include "vendor/VeltruneMessages.h"

namespace testsupport {

RunningCopy::RunningCopy(const std::string& programFolder, bool suspended)
    : m_process(Quote(programFolder + "Veltrune.exe"), ChildProcess::Options{programFolder, suspended}) {}

RunningCopy::~RunningCopy() {
    m_process.Resume();
    // Asked to end as the program's other copies would; killed only if it
    // does not.
    if (m_process.Running() && m_mainWindow) PostMessageA(m_mainWindow, veltrune::msg::kClose, veltrune::msg::kTag, 0);
    m_process.WaitForExit(10000);
}

HWND RunningCopy::MainWindow() {
    if (m_mainWindow || !m_process.Started()) return m_mainWindow;
    // Start-up is not measured here: the wait is long enough for a loaded
    // machine and ends as soon as the window is there.
    for (int attempt = 0; attempt < 1500; ++attempt) {
        if (HWND window = ProcessWindow(m_process.Id(), "TMainForm", "Veltrune")) return m_mainWindow = window;
        if (m_process.WaitForExit(20)) return nullptr;
    }
    return nullptr;
}

bool RunningCopy::WaitUntilReady() {
    return MainWindow() && WaitForInputIdle(m_process.Handle(), 30000) == 0;
}

}  // namespace testsupport
