#include "tests/support/ChildProcess.h"

#include <fstream>
#include <sstream>

namespace testsupport {
namespace {

base::FileHandle CreateInheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return base::FileHandle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0,
                                        nullptr));
}

}  // namespace

ChildResult RunChild(const std::string& commandLine, DWORD milliseconds) {
    const std::string outPath = TempPath("child-out"), errPath = TempPath("child-err");
    ChildResult result;
    {
        base::FileHandle out = CreateInheritableFile(outPath);
        base::FileHandle err = CreateInheritableFile(errPath);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out.Get();
        startup.hStdError = err.Get();
        PROCESS_INFORMATION info{};
        std::string line = commandLine;
        // Wine's 64-bit loader now and then finds the address of the page it
        // shares with the system taken, and the new process dies before any
        // of its code runs: CreateProcess fails with ERROR_INTERNAL_ERROR,
        // which would read as a run with no output and exit code 0xFFFFFFFF.
        // tools/winestart shows it with a program that only prints a line.
        // What is tested is the program, so a failed start is tried again a
        // few times before it counts.
        bool created = false;
        for (int attempt = 0; attempt < 3 && !created; ++attempt) {
            if (attempt > 0) Sleep(200);
            created = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
            if (!created) result.startError = GetLastError();
        }
        if (created) {
            base::KernelHandle process(info.hProcess);
            base::KernelHandle thread(info.hThread);
            result.started = true;
            if (WaitForSingleObject(process.Get(), milliseconds) != WAIT_OBJECT_0) {
                result.timedOut = true;
                TerminateProcess(process.Get(), 1);
                WaitForSingleObject(process.Get(), INFINITE);
            }
            GetExitCodeProcess(process.Get(), &result.exitCode);
            result.startError = 0;
        }
    }
    result.out = ReadWholeFile(outPath);
    result.err = ReadWholeFile(errPath);
    DeleteFileA(outPath.c_str());
    DeleteFileA(errPath.c_str());
    return result;
}

std::string ChildResult::Describe() const {
    if (!started) return "not started, error " + std::to_string(startError);
    std::string text = "exit code " + std::to_string(exitCode);
    if (timedOut) text += " (killed after its time)";
    return text + ", stderr: " + err;
}

ChildProcess::ChildProcess(const std::string& commandLine, const Options& options) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    const char* folder = options.workingFolder.empty() ? nullptr : options.workingFolder.c_str();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, options.suspended ? CREATE_SUSPENDED : 0,
                        nullptr, folder, &startup, &info))
        return;
    m_process.Reset(info.hProcess);
    m_thread.Reset(info.hThread);
    m_id = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    Resume();
    Kill();
}

void ChildProcess::Resume() {
    if (m_thread) ResumeThread(m_thread.Get());
    m_thread.Reset();
}

bool ChildProcess::Running() const {
    return m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(DWORD milliseconds, DWORD* exitCode) const {
    if (!m_process || WaitForSingleObject(m_process.Get(), milliseconds) != WAIT_OBJECT_0) return false;
    if (exitCode) GetExitCodeProcess(m_process.Get(), exitCode);
    return true;
}

void ChildProcess::Kill() {
    if (!Running()) return;
    TerminateProcess(m_process.Get(), 1);
    WaitForSingleObject(m_process.Get(), 10000);
}

ScopedEnvironment::ScopedEnvironment(const char* name, const std::string& value) : m_name(name) {
    char old[1024];
    const DWORD length = GetEnvironmentVariableA(name, old, sizeof old);
    m_had = length > 0 && length < sizeof old;
    if (m_had) m_old.assign(old, length);
    SetEnvironmentVariableA(name, value.c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironmentVariableA(m_name.c_str(), m_had ? m_old.c_str() : nullptr);
}

std::string Quote(const std::string& text) {
    return "\"" + text + "\"";
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> FileNames(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string TestFolder() {
    char module[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string folder(module, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string TempPath(const std::string& name) {
    static LONG counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "veltrune-" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(InterlockedIncrement(&counter));
}

}  // namespace testsupport
