// Measures Veltrune's start-up against a bare one-window program that also
// puts an icon into the notification area, in alternating runs under the
// same Wine, and prints medians and ratios:
//   - process creation until the hidden main window exists;
//   - until the icon is in the notification area;
//   - until the message loop first waits for input, and the working set then;
//   - for Veltrune, a second start until the running copy's window shows,
//     against the bare program's start until its window exists.
//
//   startbench [runs] [veltrune.exe] [bare.exe]
#include "base/Handles.h"
#include "vendor/VeltruneMessages.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace msg = veltrune::msg;

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

BOOL CALLBACK CountTrayIcon(HWND window, LPARAM count) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"__winex11_tray_icon") ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Icons in Wine's notification area, each a window of the tray's own.
int TrayIcons() {
    int count = 0;
    if (HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr))
        EnumChildWindows(tray, &CountTrayIcon, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The tray takes an ended program's icon away a little later: wait until
// the count holds still before the next start counts from it.
int SettledTrayIcons() {
    int count = TrayIcons();
    for (int i = 0; i < 50; ++i) {
        Sleep(100);
        const int now = TrayIcons();
        if (now == count) return count;
        count = now;
    }
    return count;
}

class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceFrequency(&m_frequency);
        QueryPerformanceCounter(&m_start);
    }
    double Milliseconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * double(now.QuadPart - m_start.QuadPart) / double(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency, m_start;
};

// A started program; ended with its own close message when done with.
class Started {
public:
    explicit Started(const Subject& subject) : m_subject(subject) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring commandLine = L"\"" + subject.exe + L"\"";
        const std::wstring folder = Folder(subject.exe);
        if (!CreateProcessW(subject.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &process)) {
            std::fwprintf(stderr, L"cannot start %ls (error %lu)\n", subject.exe.c_str(), GetLastError());
            return;
        }
        m_process.Reset(process.hProcess);
        m_thread.Reset(process.hThread);
    }
    ~Started() {
        if (!m_process) return;
        if (HWND window = FindWindowW(m_subject.windowClass, m_subject.caption))
            PostMessageW(window, m_subject.closeMessage, m_subject.closeParam, 0);
        if (WaitForSingleObject(m_process.Get(), 10000) != WAIT_OBJECT_0) {
            TerminateProcess(m_process.Get(), 1);
            WaitForSingleObject(m_process.Get(), 10000);
        }
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    HANDLE Process() const { return m_process.Get(); }
    bool Running() const { return m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT; }

private:
    const Subject& m_subject;
    base::KernelHandle m_process, m_thread;
};

// Polls `done` (the measuring instrument, not the measured program) until
// it answers true; the time it took, or -1 after 30 s or when the program
// ended.
template <class Done>
double TimeUntil(const Stopwatch& clock, const Started& program, Done done) {
    while (clock.Milliseconds() < 30000) {
        if (done()) return clock.Milliseconds();
        if (!program.Running()) return -1;
        Sleep(0);
    }
    return -1;
}

struct Timing {
    double window = -1;  // until the hidden main window exists
    double icon = -1;    // until its icon is in the notification area
    double idle = -1;    // until the message loop first waits for input
    double workingSetKiB = -1;
    double shown = -1;   // a second start until the running copy shows
};

Timing TimeOneStart(const Subject& subject, bool secondStart) {
    Timing timing;
    const int iconsBefore = SettledTrayIcons();
    Stopwatch clock;
    Started program(subject);
    timing.window = TimeUntil(clock, program, [&] { return FindWindowW(subject.windowClass, subject.caption); });
    if (timing.window < 0) return timing;
    timing.icon = TimeUntil(clock, program, [&] { return TrayIcons() > iconsBefore; });
    if (WaitForInputIdle(program.Process(), 30000) == 0) timing.idle = clock.Milliseconds();
    PROCESS_MEMORY_COUNTERS memory{};
    if (GetProcessMemoryInfo(program.Process(), &memory, sizeof memory))
        timing.workingSetKiB = double(memory.WorkingSetSize) / 1024.0;
    if (secondStart) {
        HWND window = FindWindowW(subject.windowClass, subject.caption);
        Stopwatch showClock;
        Started second(subject);
        timing.shown = TimeUntil(showClock, program, [&] { return IsWindowVisible(window) != FALSE; });
    }
    return timing;
}

// CPU time the process used, in milliseconds.
double CpuMilliseconds(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return double(ticks(kernel) + ticks(user)) / 10000.0;
}

// What an idle copy spends over `seconds`, first hidden, then shown.
std::pair<double, double> IdleCpu(const Subject& subject, DWORD seconds) {
    Started program(subject);
    Stopwatch clock;
    HWND window = nullptr;
    if (TimeUntil(clock, program, [&] { return (window = FindWindowW(subject.windowClass, subject.caption)); }) < 0)
        return {-1, -1};
    WaitForInputIdle(program.Process(), 30000);
    const auto spent = [&] {
        Sleep(1000);  // what the last event started settles first
        const double before = CpuMilliseconds(program.Process());
        Sleep(seconds * 1000);
        return CpuMilliseconds(program.Process()) - before;
    };
    const double hidden = spent();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, msg::kShow, msg::kTag, 0, SMTO_NORMAL, 10000, &ignored);
    return {hidden, spent()};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<double> window, icon, idle, workingSet, shown;
    void Add(const Timing& t) {
        window.push_back(t.window);
        icon.push_back(t.icon);
        idle.push_back(t.idle);
        workingSet.push_back(t.workingSetKiB);
        shown.push_back(t.shown);
    }
};

void Compare(const char* what, const std::vector<double>& veltrune, const std::vector<double>& bare,
             const char* unit, const char* goal) {
    const double v = Median(veltrune), b = Median(bare);
    std::printf("%-44s Veltrune %8.1f %s, bare %8.1f %s, ratio %.2f%s\n", what, v, unit, b, unit, v / b, goal);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const std::wstring here = OwnFolder();
    Subject veltrune{argc > 2 ? argv[2] : here + L"..\\bin\\Veltrune.exe", L"TMainForm", L"Veltrune", msg::kClose,
                     msg::kTag};
    Subject bare{argc > 3 ? argv[3] : here + L"bench_bare.exe", L"BareBenchWindow", L"Bare", WM_CLOSE, 0};

    // One untimed start of each warms Wine's caches for both alike.
    TimeOneStart(veltrune, false);
    TimeOneStart(bare, false);

    Series v, b;
    for (int i = 0; i < runs; ++i) {
        const Timing tv = TimeOneStart(veltrune, true);
        const Timing tb = TimeOneStart(bare, false);
        if (tv.window < 0 || tb.window < 0 || tv.icon < 0 || tb.icon < 0 || tv.shown < 0) {
            std::fprintf(stderr, "run %d: a window or icon never appeared\n", i + 1);
            return 1;
        }
        v.Add(tv);
        b.Add(tb);
        std::printf("run %d: Veltrune window %.1f, icon %.1f, idle %.1f ms, %.0f KiB, shown %.1f ms; "
                    "bare window %.1f, icon %.1f, idle %.1f ms, %.0f KiB\n",
                    i + 1, tv.window, tv.icon, tv.idle, tv.workingSetKiB, tv.shown, tb.window, tb.icon, tb.idle,
                    tb.workingSetKiB);
    }
    Compare("median until the hidden main window exists:", v.window, b.window, "ms", " (goal <= 1.30)");
    Compare("median until the icon is in the tray:", v.icon, b.icon, "ms", " (goal <= 1.30)");
    Compare("median until the message loop is idle:", v.idle, b.idle, "ms", " (goal <= 2.00)");
    Compare("median working set when idle:", v.workingSet, b.workingSet, "KiB", " (goal <= 1.60)");
    const double shown = Median(v.shown), bareStart = Median(b.window);
    std::printf("%-44s Veltrune %8.1f ms, bare start %8.1f ms, beyond it %.1f ms (goal <= 0)\n",
                "median second start until the window shows:", shown, bareStart, shown - bareStart);
    constexpr DWORD kIdleSeconds = 15;
    const auto [hidden, shownCpu] = IdleCpu(veltrune, kIdleSeconds);
    std::printf("%-44s hidden %.1f ms, shown %.1f ms over %lu s each (goal 0)\n", "CPU while idle:", hidden, shownCpu,
                static_cast<unsigned long>(kIdleSeconds));
    return 0;
}
