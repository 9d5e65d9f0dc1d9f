#pragma once
// The two windows by which other programs know the companion: the hidden
// application window of class "TApplication" and the main window of class
// "TMainForm" that it owns, captioned by generation. The main window shows
// the power-saving switch, lets a person flip it, and obeys message 1055.

#include <windows.h>

#include <string>

#include "standins/wattmind/MessageLog.h"
#include "standins/wattmind/WattmindOptions.h"

class CompanionWindows {
public:
    CompanionWindows(const WattmindOptions& options, const MessageLog& log);
    CompanionWindows(const CompanionWindows&) = delete;
    CompanionWindows& operator=(const CompanionWindows&) = delete;

    // Makes both windows and, unless told to hide, shows them.
    bool Create(std::string& error);

private:
    static LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnHighPerformanceRequest(WPARAM wParam, LPARAM lParam);
    void Toggle();
    // Shows the switch as the firmware has it now.
    void ShowSwitch();

    const WattmindOptions& m_options;
    const MessageLog& m_log;
    UINT m_broadcast = 0;
    HWND m_application = nullptr;
    HWND m_main = nullptr;
    HWND m_checkBox = nullptr;
    HWND m_status = nullptr;
};
