#include "standins/wattmind/CompanionWindows.h"

#include <cstdio>

#include "base/WindowObject.h"
#include "standins/wattmind/PowerSwitch.h"
#include "vendor/VeltruneMessages.h"

namespace {

namespace msg = veltrune::msg;

constexpr UINT_PTR kRefreshTimer = 1;
// Others change the switch too (the tuning program's Apply); a glance once
// a second keeps the window honest without anyone having to tell it.
constexpr UINT kRefreshMilliseconds = 1000;
constexpr int kCheckBoxId = 100;

struct Captions {
    const char* application;
    const char* main;
};

Captions CaptionsOf(Generation generation) {
    if (generation == Generation::Four) return {"Wattmind", "Wattmind Four"};
    return {"Wattmind-6 Engine", "Wattmind Six"};
}

std::string WindowError(const char* what) {
    return std::string("cannot create the ") + what + " (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

CompanionWindows::CompanionWindows(const WattmindOptions& options, const MessageLog& log)
    : m_options(options), m_log(log), m_broadcast(RegisterWindowMessageA(msg::kBroadcastName)) {}

bool CompanionWindows::Create(std::string& error) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA application{};
    application.lpfnWndProc = &ApplicationProc;
    application.hInstance = instance;
    application.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    application.lpszClassName = "TApplication";
    WNDCLASSA main = application;
    main.lpfnWndProc = &MainProc;
    main.hCursor = LoadCursor(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = "TMainForm";
    if (!RegisterClassA(&application) || !RegisterClassA(&main)) {
        error = WindowError("window classes");
        return false;
    }

    const Captions captions = CaptionsOf(m_options.generation);
    // As the companion's framework makes it: zero-sized, and visible exactly
    // when the program is on screen, which is what others test.
    m_application = CreateWindowExA(0, "TApplication", captions.application,
                                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, GetSystemMetrics(SM_CXSCREEN) / 2,
                                    GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr, instance, this);
    if (!m_application) {
        error = WindowError("application window");
        return false;
    }
    RECT frame{0, 0, 320, 96};
    AdjustWindowRect(&frame, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE);
    m_main = CreateWindowExA(0, "TMainForm", captions.main, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                             CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, m_application, nullptr,
                             instance, this);
    if (!m_main) {
        error = WindowError("main window");
        return false;
    }
    m_checkBox = CreateWindowExA(0, "BUTTON", "Power saving", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, 16, 16,
                                 200, 24, m_main, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCheckBoxId)), instance,
                                 nullptr);
    m_status = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 16, 52, 290, 24, m_main, nullptr, instance,
                               nullptr);
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(m_checkBox, WM_SETFONT, font, FALSE);
    SendMessageA(m_status, WM_SETFONT, font, FALSE);
    ShowSwitch();
    SetTimer(m_main, kRefreshTimer, kRefreshMilliseconds, nullptr);
    if (!m_options.hidden) {
        ShowWindow(m_application, SW_SHOWNA);
        ShowWindow(m_main, SW_SHOW);
    }
    return true;
}

LRESULT CALLBACK CompanionWindows::ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = base::WindowObject<CompanionWindows>(window, message, lParam);
    // Closing the program from its taskbar entry closes its main window.
    if (message == WM_CLOSE && self && self->m_main) {
        PostMessageA(self->m_main, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK CompanionWindows::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = base::WindowObject<CompanionWindows>(window, message, lParam);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMainMessage(window, message, wParam, lParam);
}

LRESULT CompanionWindows::OnMainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    // What the tuning program posts when it overclocks while power saving is on.
    case msg::kCompanionHighPerformance:
        OnHighPerformanceRequest(wParam, lParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCheckBoxId && HIWORD(wParam) == BN_CLICKED) Toggle();
        return 0;
    case WM_TIMER:
        if (wParam == kRefreshTimer) ShowSwitch();
        return 0;
    case WM_DESTROY:
        KillTimer(window, kRefreshTimer);
        DestroyWindow(m_application);
        PostQuitMessage(0);
        return 0;
    default:
        if (m_broadcast != 0 && message == m_broadcast && (wParam & 0xFF) == msg::kTag &&
            ((wParam >> 8) & 0xFF) == msg::kSettingsChangedCommand) {
            ShowSwitch();
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void CompanionWindows::OnHighPerformanceRequest(WPARAM wParam, LPARAM lParam) {
    const char* outcome = "ignored";
    if (wParam == msg::kTag) outcome = PowerSwitch::Write(false) ? "high-performance" : "switch-failed";
    char line[96];
    std::snprintf(line, sizeof line, "%u %u %u %s", msg::kCompanionHighPerformance, static_cast<unsigned>(wParam),
                  static_cast<unsigned>(lParam), outcome);
    m_log.Append(line);
    ShowSwitch();
}

void CompanionWindows::Toggle() {
    const std::optional<bool> now = PowerSwitch::Read();
    if (!now || !PowerSwitch::Write(!*now)) {
        SetWindowTextA(m_status, "The firmware refused the switch (item 0x0B060001)");
        return;
    }
    ShowSwitch();
}

void CompanionWindows::ShowSwitch() {
    const std::optional<bool> powerSaving = PowerSwitch::Read();
    SendMessageA(m_checkBox, BM_SETCHECK, powerSaving && *powerSaving ? BST_CHECKED : BST_UNCHECKED, 0);
    const char* text = !powerSaving ? "The firmware does not answer (item 0x0B060001)"
                       : *powerSaving ? "Power-saving mode"
                                      : "High-performance mode";
    SetWindowTextA(m_status, text);
}
