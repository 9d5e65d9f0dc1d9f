#pragma once
// One icon in the taskbar's notification area. The object keeps the shell's
// notification record and knows whether the shell accepted the icon; the
// shell tells the owner window about clicks with the callback message.

#include <windows.h>
#include <shellapi.h>

namespace kiln {

class TrayIcon {
public:
    // The record is the shell's second version, whatever the headers call
    // current: older shells refuse larger records.
    static constexpr DWORD kRecordSize = NOTIFYICONDATAA_V2_SIZE;

    TrayIcon(HWND owner, UINT id, UINT callbackMessage, const char* tip);
    // Takes the icon out of the notification area if it is there.
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // At most 127 characters are kept; nullptr gives an empty tip.
    void SetTip(const char* tip);
    // The shell sees the new icon at the next add or modify. Returns the
    // icon stored before; its owner is the caller.
    HICON SetIcon(HICON icon);
    void SetTimeout(UINT milliseconds);
    // Shell behaviour version 3 (or the original one) for the callbacks.
    void SetShellVersion(bool current);
    // Adds or removes the icon when that differs from what the shell has.
    void SetVisible(bool visible);
    // The shell lost every icon (the taskbar was restarted): add this one
    // again if it is meant to be visible and the shell does not have it.
    void ShellRestarted();

    bool Added() const { return m_added; }
    const NOTIFYICONDATAA& Record() const { return m_record; }

    // Replaces the shell call, so tests can see what the shell is told and
    // make it fail; nullptr restores the shell. Returns the previous one.
    using ShellNotify = BOOL(WINAPI*)(DWORD command, PNOTIFYICONDATAA record);
    static ShellNotify SetShellNotify(ShellNotify notify);

private:
    void UpdateFlags();
    void Add();
    void Remove();
    bool Notify(DWORD command);

    NOTIFYICONDATAA m_record{};
    bool m_added = false;  // as far as the shell's answers tell
    bool m_wanted = false;  // what the last SetVisible asked for
};

}  // namespace kiln
