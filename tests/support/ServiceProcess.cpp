#include "tests/support/ServiceProcess.h"

#include <fstream>

namespace testsupport {
namespace {

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::string ServiceProcess::ExecutablePath() {
    // Tests live in testbin\ beside the program's bin\.
    std::string path = testsupport::TestFolder() + "..\\bin\\sysctrl-service.exe";
    if (FileExists(path)) return path;
    char found[MAX_PATH];
    if (SearchPathA(nullptr, "sysctrl-service.exe", nullptr, MAX_PATH, found, nullptr)) return found;
    return path;
}

ServiceProcess::ServiceProcess(const std::vector<std::string>& arguments) {
    static int counter = 0;
    std::string tag = std::to_string(GetCurrentProcessId());
    tag.append("-").append(std::to_string(++counter));
    m_logPath = testsupport::TempPath("sysctrl") + ".log";
    DeleteFileA(m_logPath.c_str());
    const std::string readyName = std::string("VeltruneSysCtrlReady-").append(tag);
    base::KernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, readyName.c_str()));

    std::string commandLine = Quote(ExecutablePath());
    commandLine.append(" --log ").append(Quote(m_logPath));
    commandLine.append(" --ready-event ").append(Quote(readyName));
    for (const std::string& argument : arguments) commandLine.append(" ").append(Quote(argument));
    m_process = std::make_unique<testsupport::ChildProcess>(commandLine);
    if (m_process->Started()) {
        HANDLE handles[2] = {ready.Get(), m_process->Handle()};
        // Bounded only so that a service that cannot start fails the test
        // instead of hanging it.
        m_listening = WaitForMultipleObjects(2, handles, FALSE, 30000) == WAIT_OBJECT_0;
    }
}

ServiceProcess::~ServiceProcess() {
    m_process.reset();
    DeleteFileA(m_logPath.c_str());
}

std::vector<std::string> ServiceProcess::LoggedRequests() const {
    std::vector<std::string> lines;
    std::ifstream log(m_logPath);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
}

bool ServiceProcess::WaitForExit(DWORD milliseconds) const {
    return m_process->WaitForExit(milliseconds);
}

DWORD ServiceProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    m_process->WaitForExit(0, &code);
    return code;
}

}  // namespace testsupport
