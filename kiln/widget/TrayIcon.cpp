#include "kiln/widget/TrayIcon.h"

#include <algorithm>
#include <cstring>

namespace kiln {
namespace {

TrayIcon::ShellNotify g_notify = nullptr;

}  // namespace

TrayIcon::ShellNotify TrayIcon::SetShellNotify(ShellNotify notify) {
    ShellNotify previous = g_notify;
    g_notify = notify;
    return previous;
}

TrayIcon::TrayIcon(HWND owner, UINT id, UINT callbackMessage, const char* tip) {
    m_record.cbSize = kRecordSize;
    m_record.hWnd = owner;
    m_record.uID = id;
    m_record.uCallbackMessage = callbackMessage;
    SetTip(tip);
    SetShellVersion(true);
}

TrayIcon::~TrayIcon() {
    if (m_added) Remove();
}

void TrayIcon::SetTip(const char* tip) {
    const size_t length = tip ? std::min<size_t>(std::strlen(tip), sizeof m_record.szTip - 1) : 0;
    std::memcpy(m_record.szTip, tip ? tip : "", length);
    m_record.szTip[length] = '\0';
}

HICON TrayIcon::SetIcon(HICON icon) {
    HICON previous = m_record.hIcon;
    m_record.hIcon = icon;
    return previous;
}

void TrayIcon::SetTimeout(UINT milliseconds) {
    m_record.uTimeout = milliseconds;
}

void TrayIcon::SetShellVersion(bool current) {
    m_record.uVersion = current ? NOTIFYICON_VERSION : 0;
    Notify(NIM_SETVERSION);
    UpdateFlags();
    if (m_added) m_added = Notify(NIM_MODIFY);
}

void TrayIcon::SetVisible(bool visible) {
    m_wanted = visible;
    if (visible == m_added) return;
    if (visible)
        Add();
    else
        Remove();
}

// More than one window of the owner's program may hear of the restart: the
// shell is asked first whether it has the icon already, so it is added once.
void TrayIcon::ShellRestarted() {
    if (!m_wanted) return;
    m_added = Notify(NIM_MODIFY);
    if (!m_added) Add();
}

void TrayIcon::UpdateFlags() {
    m_record.uFlags = NIF_MESSAGE;
    if (m_record.hIcon) m_record.uFlags |= NIF_ICON;
    if (m_record.szTip[0]) m_record.uFlags |= NIF_TIP;
    // No balloon is ever shown.
    m_record.szInfo[0] = '\0';
}

void TrayIcon::Add() {
    UpdateFlags();
    // A shell that is still starting refuses the first attempt now and then.
    m_added = Notify(NIM_ADD) || Notify(NIM_ADD);
}

void TrayIcon::Remove() {
    UpdateFlags();
    m_added = !Notify(NIM_DELETE);
}

bool TrayIcon::Notify(DWORD command) {
    return (g_notify ? g_notify : &Shell_NotifyIconA)(command, &m_record) != FALSE;
}

}  // namespace kiln
