#pragma once
// Programs a test starts: one call that runs a console program to its end
// and collects its exit code and both output streams, and a handle on a
// program that keeps running while the test drives it.

#include "base/Handles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

struct ChildResult {
    DWORD exitCode = 0xFFFFFFFF;  // also when the program could not be started
    std::string out;
    std::string err;
    bool started = false;
    DWORD startError = 0;   // the system's error when it could not be started
    bool timedOut = false;  // then it was killed

    // How the run went, for a failure message.
    std::string Describe() const;
};

// Runs `commandLine` to its end (killing it after `milliseconds`). Both
// streams go through files, so neither can block the other.
ChildResult RunChild(const std::string& commandLine, DWORD milliseconds = 60000);

class ChildProcess {
public:
    struct Options {
        std::string workingFolder;  // empty: the test's own
        bool suspended = false;     // runs only once Resume() is called
    };
    ChildProcess(const std::string& commandLine, const Options& options);
    explicit ChildProcess(const std::string& commandLine) : ChildProcess(commandLine, Options{}) {}
    // A program still running is killed.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    DWORD Id() const { return m_id; }
    HANDLE Handle() const { return m_process.Get(); }
    void Resume();
    bool Running() const;
    // True, with the exit code, when the program ended within the time.
    bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr) const;
    void Kill();

private:
    base::KernelHandle m_process;
    base::KernelHandle m_thread;
    DWORD m_id = 0;
};

// Sets an environment variable for the scope and restores it afterwards;
// children started meanwhile inherit it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::string m_old;
    bool m_had = false;
};

std::string Quote(const std::string& text);
std::string ReadWholeFile(const std::string& path);
// The names of the files that match a wildcard pattern ("C:\\P\\*.tmp").
std::vector<std::string> FileNames(const std::string& pattern);
std::vector<std::string> SplitLines(const std::string& text);
// The folder of the test program, ending in a backslash.
std::string TestFolder();
// A path in the temporary folder, unique to this process and `name`.
std::string TempPath(const std::string& name);

}  // namespace testsupport
