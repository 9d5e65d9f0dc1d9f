// Starts a console program that only prints one line, many times, the way the
// tests start their console children (CreateProcess, inherited handles,
// output into a file), and counts the starts that go wrong. None of the
// product is involved, so whatever fails here is Wine's process start.
//
//   winestart [runs] [at-once]   runs starts of this program, at-once at a time
//   winestart --child            prints one line and ends

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

#include "base/Handles.h"

namespace {

constexpr char kLine[] = "started\n";

struct Run {
    int number;
    std::string outPath;
    base::KernelHandle process;
};

std::string OwnPath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

std::string ReadFileText(const std::string& path) {
    base::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    char text[256];
    DWORD got = 0;
    if (!file || !ReadFile(file.Get(), text, sizeof text, &got, nullptr)) return {};
    return std::string(text, got);
}

// Waits for a started run and says whether it printed its line and ended well.
bool Finish(Run& run) {
    WaitForSingleObject(run.process.Get(), INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(run.process.Get(), &code);
    const std::string out = ReadFileText(run.outPath);
    DeleteFileA(run.outPath.c_str());
    if (code == 0 && out == kLine) return true;
    std::printf("run %d: exit code 0x%08lX, %u bytes of output\n", run.number, code, static_cast<unsigned>(out.size()));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--child") == 0) {
        // As firmctl prints: a bare line feed, whatever the console's mode.
        _setmode(_fileno(stdout), _O_BINARY);
        std::fputs(kLine, stdout);
        return 0;
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int atOnce = argc > 2 ? std::max(1, std::atoi(argv[2])) : 4;
    std::string command = "\"";
    command += OwnPath();
    command += "\" --child";
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);

    int notStarted = 0, failed = 0;
    std::deque<Run> running;
    for (int number = 1; number <= runs; ++number) {
        if (static_cast<int>(running.size()) == atOnce) {
            if (!Finish(running.front())) ++failed;
            running.pop_front();
        }
        Run run{number, std::string(temp) + "winestart-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(number), {}};
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        base::FileHandle out(CreateFileA(run.outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                         0, nullptr));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out.Get();
        startup.hStdError = out.Get();
        PROCESS_INFORMATION info{};
        std::string line = command;
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
            std::printf("run %d: not started, error %lu\n", number, GetLastError());
            std::fflush(stdout);
            ++notStarted;
            out.Reset();
            DeleteFileA(run.outPath.c_str());
            continue;
        }
        CloseHandle(info.hThread);
        run.process.Reset(info.hProcess);
        running.push_back(std::move(run));
    }
    for (Run& run : running)
        if (!Finish(run)) ++failed;
    std::printf("%d runs, %d at once: %d not started, %d failed after starting\n", runs, atOnce, notStarted, failed);
    return notStarted || failed ? 1 : 0;
}
