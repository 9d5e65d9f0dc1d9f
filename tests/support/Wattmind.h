#pragma once
// The power-saving companion's stand-in, wattmind.exe from the program's
// bin\ folder, for tests that need the companion's windows or its message
// log.

#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProcessWindow.h"

#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// wattmind.exe with the given options, running until the test is done with
// it; its log lives as long as it does.
class Wattmind {
public:
    // Beside the other programs of bin\, which the test run puts on the path.
    static std::string Path() {
        char found[MAX_PATH] = {};
        return SearchPathA(nullptr, "wattmind.exe", nullptr, MAX_PATH, found, nullptr) ? found
                                                                                       : TestFolder() + "wattmind.exe";
    }

    explicit Wattmind(std::initializer_list<std::string> options) : m_log(TempPath("wattmind") + ".log") {
        static int counter = 0;
        const std::string ready = "VeltruneWattmindReady-" + std::to_string(GetCurrentProcessId()) + "-" +
                                  std::to_string(++counter);
        base::KernelHandle event(CreateEventA(nullptr, TRUE, FALSE, ready.c_str()));
        std::string line = Quote(Path()) + " --log " + Quote(m_log) + " --ready-event " + Quote(ready);
        for (const std::string& option : options) line += " " + option;
        m_process = std::make_unique<ChildProcess>(line);
        HANDLE handles[2] = {event.Get(), m_process->Handle()};
        m_ready = m_process->Started() && WaitForMultipleObjects(2, handles, FALSE, 30000) == WAIT_OBJECT_0;
    }
    ~Wattmind() {
        // Closed as a person closes it; killed only if that does not end it.
        if (HWND main = MainWindow()) PostMessageA(main, WM_CLOSE, 0, 0);
        m_process->WaitForExit(10000);
        m_process.reset();
        DeleteFileA(m_log.c_str());
    }
    Wattmind(const Wattmind&) = delete;
    Wattmind& operator=(const Wattmind&) = delete;

    bool Ready() const { return m_ready; }
    DWORD Id() const { return m_process->Id(); }
    bool Running() const { return m_process->Running(); }
    HWND MainWindow() const {
        HWND six = ProcessWindow(Id(), "TMainForm", "Wattmind Six");
        return six ? six : ProcessWindow(Id(), "TMainForm", "Wattmind Four");
    }
    HWND CheckBox() const { return FindWindowExA(MainWindow(), nullptr, "BUTTON", nullptr); }
    std::vector<std::string> LogLines() const { return SplitLines(ReadWholeFile(m_log)); }
    bool WaitForLogLines(size_t count) const {
        return PumpUntil([&] { return LogLines().size() >= count; }, 10000);
    }

private:
    std::string m_log;
    std::unique_ptr<ChildProcess> m_process;
    bool m_ready = false;
};

}  // namespace testsupport
