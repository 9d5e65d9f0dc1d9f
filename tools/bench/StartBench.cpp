// Measures how long a program needs from process creation until its hidden
// main window exists, for Veltrune and for a bare one-window program, in
// alternating runs under the same Wine, and prints the medians and their
// ratio.
//
//   startbench [runs] [veltrune.exe] [bare.exe]
#include "base/Handles.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Subject {
    std::wstring exe;
    const wchar_t* windowClass;
    const wchar_t* caption;
    UINT closeMessage;
    WPARAM closeParam;
};

std::wstring Folder(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return Folder(path);
}

struct Timing {
    double window = -1;  // until the hidden main window exists
    double idle = -1;    // until the message loop first waits for input
};

// Negative times mean the window never appeared.
Timing TimeOneStart(const Subject& subject) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + subject.exe + L"\"";
    std::wstring folder = Folder(subject.exe);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(subject.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", subject.exe.c_str(), GetLastError());
        return {};
    }
    base::KernelHandle processHandle(process.hProcess), threadHandle(process.hThread);
    HWND window = nullptr;
    Timing timing;
    // Polling here is the measuring instrument, not the measured program.
    for (;;) {
        window = FindWindowW(subject.windowClass, subject.caption);
        QueryPerformanceCounter(&now);
        if (window) {
            timing.window = 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
            break;
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
        if (now.QuadPart - start.QuadPart > 30 * frequency.QuadPart) break;
        Sleep(0);
    }
    if (window && WaitForInputIdle(process.hProcess, 30000) == 0) {
        QueryPerformanceCounter(&now);
        timing.idle = 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    }
    if (window) PostMessageW(window, subject.closeMessage, subject.closeParam, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
    }
    return timing;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const std::wstring here = OwnFolder();
    Subject veltrune{argc > 2 ? argv[2] : here + L"..\\bin\\Veltrune.exe", L"TMainForm", L"Veltrune",
                     1024, 85};
    Subject bare{argc > 3 ? argv[3] : here + L"bench_bare.exe", L"BareBenchWindow", L"Bare", WM_CLOSE, 0};

    // One untimed start of each warms Wine's caches for both alike.
    TimeOneStart(veltrune);
    TimeOneStart(bare);

    std::vector<double> veltruneWindow, bareWindow, veltruneIdle, bareIdle;
    for (int i = 0; i < runs; ++i) {
        const Timing v = TimeOneStart(veltrune);
        const Timing b = TimeOneStart(bare);
        if (v.window < 0 || b.window < 0) {
            std::fprintf(stderr, "run %d: a window never appeared\n", i + 1);
            return 1;
        }
        veltruneWindow.push_back(v.window);
        bareWindow.push_back(b.window);
        veltruneIdle.push_back(v.idle);
        bareIdle.push_back(b.idle);
        std::printf("run %d: window Veltrune %.1f ms, bare %.1f ms; idle Veltrune %.1f ms, bare %.1f ms\n", i + 1,
                    v.window, b.window, v.idle, b.idle);
    }
    const double vw = Median(veltruneWindow), bw = Median(bareWindow);
    const double vi = Median(veltruneIdle), bi = Median(bareIdle);
    std::printf("median until the hidden main window exists: Veltrune %.1f ms, bare %.1f ms, ratio %.2f (goal <= 1.30)\n",
                vw, bw, vw / bw);
    std::printf("median until the message loop is idle:      Veltrune %.1f ms, bare %.1f ms, ratio %.2f\n", vi, bi,
                vi / bi);
    return 0;
}
