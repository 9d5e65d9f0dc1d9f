#pragma once
// Runs build/bin/sysctrl-service.exe for one test: starts it, waits until its
// pipe listens, and ends it (and removes its log) when the test is done.

#include "tests/support/ChildProcess.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace testsupport {

class ServiceProcess {
public:
    // `arguments` are the service's options; a log and a ready event are added.
    explicit ServiceProcess(const std::vector<std::string>& arguments);
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;
    ~ServiceProcess();

    // True once the service's pipe is listening.
    bool Listening() const { return m_listening; }
    // Every request the service logged so far, one line each.
    std::vector<std::string> LoggedRequests() const;
    // Waits for the service to end by itself; false when it did not.
    bool WaitForExit(DWORD milliseconds) const;
    // The exit code once ended, STILL_ACTIVE before.
    DWORD ExitCode() const;

    static std::string ExecutablePath();

private:
    std::unique_ptr<testsupport::ChildProcess> m_process;
    std::string m_logPath;
    bool m_listening = false;
};

}  // namespace testsupport
