#include "ServiceProcess.h"

#include <fstream>

namespace {

std::string Quote(const std::string& text) {
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::string ServiceProcess::ExecutablePath() {
    char module[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string folder(module, length);
    folder.erase(folder.find_last_of('\\') + 1);
    // Tests live in testbin\ beside the program's bin\.
    std::string path = folder + "..\\bin\\sysctrl-service.exe";
    if (FileExists(path)) return path;
    char found[MAX_PATH];
    if (SearchPathA(nullptr, "sysctrl-service.exe", nullptr, MAX_PATH, found, nullptr)) return found;
    return path;
}

ServiceProcess::ServiceProcess(const std::vector<std::string>& arguments) {
    static int counter = 0;
    std::string tag = std::to_string(GetCurrentProcessId());
    tag.append("-").append(std::to_string(++counter));
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    m_logPath.assign(temp).append("veltrune-sysctrl-").append(tag).append(".log");
    DeleteFileA(m_logPath.c_str());
    const std::string readyName = std::string("VeltruneSysCtrlReady-").append(tag);
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());

    std::string commandLine = Quote(ExecutablePath());
    commandLine.append(" --log ").append(Quote(m_logPath));
    commandLine.append(" --ready-event ").append(Quote(readyName));
    for (const std::string& argument : arguments) commandLine.append(" ").append(Quote(argument));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &m_process)) {
        HANDLE handles[2] = {ready, m_process.hProcess};
        // Bounded only so that a service that cannot start fails the test
        // instead of hanging it.
        m_listening = WaitForMultipleObjects(2, handles, FALSE, 30000) == WAIT_OBJECT_0;
    }
    CloseHandle(ready);
}

ServiceProcess::~ServiceProcess() {
    if (m_process.hProcess) {
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_process.hProcess, 1);
            WaitForSingleObject(m_process.hProcess, INFINITE);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    DeleteFileA(m_logPath.c_str());
}

std::vector<std::string> ServiceProcess::LoggedRequests() const {
    std::vector<std::string> lines;
    std::ifstream log(m_logPath);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
}

bool ServiceProcess::WaitForExit(DWORD milliseconds) const {
    return m_process.hProcess && WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD ServiceProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_process.hProcess) GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}
