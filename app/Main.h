#pragma once
// The main window: the process' mailbox for the private messages of the
// maker's programs, the settings-changed broadcast and the power broadcast,
// and the owner of the pictures the window is drawn from.

#include "app/MainHover.h"
#include "app/mainwindow/WidgetHost.h"
#include "frame/Form.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace frame {
class Image;
}

// ChangeWindowMessageFilter when the system has it; success otherwise.
BOOL AllowMessageThroughFilter(UINT message, DWORD action);

// Where the main window hands what reaches it: other programs' requests, the
// power broadcast, the settings-changed broadcast, its own close, and the
// notification-area icon's messages. The controller fills it at start-up;
// until then (and for a window without one) they change nothing.
struct MainWindowEvents {
    std::function<void()> showRequested;
    std::function<void()> hideRequested;
    std::function<void()> settingsChanged;
    std::function<void()> suspending;
    std::function<void()> resumed;
    // Message 1060's value and message 1061's command word.
    std::function<void(uint32_t value)> remoteWrite;
    std::function<void(uint32_t command)> remoteCommand;
    // Notifications of the notification-area icon (message 1224).
    std::function<void(LPARAM notification)> trayNotification;
    // The taskbar was (re)started: icons must be added again.
    std::function<void()> taskbarCreated;
    // Windows is ending the session: the process may be gone before the
    // message loop returns.
    std::function<void()> sessionEnding;
    // A profile request (WM_COPYDATA): the request, the name it carries and
    // the requester's window; returns the answer for the requester.
    std::function<LRESULT(ULONG_PTR request, const std::string& name, HWND requester)> profileRequest;
    // A taken profile request's turn has come (kProfileRequestDue).
    std::function<void()> profileRequestDue;
};

class TMainForm : public frame::Form, public WidgetHost {
public:
    // Posted to itself: a profile request taken from another program is
    // carried out from the message loop, not inside the sender's call.
    static constexpr UINT kProfileRequestDue = WM_APP + 1;

    TMainForm();
    ~TMainForm() override;

    // 0 when the system refused to register the broadcast.
    UINT BroadcastMessage() const { return m_broadcastMessage; }
    void HandEventsTo(MainWindowEvents events) { m_events = std::move(events); }

    frame::Form& Surface() override { return *this; }
    void SetHoverTarget(HoverSlot slot) override { m_hover.SetTarget(std::move(slot)); }
    frame::Control* HoverTarget() const override { return m_hover.Target(); }
    frame::Image* Background() const override { return m_background; }
    frame::Image* SmallBk() const override { return m_smallBk; }
    // The middle and large backgrounds are read on first use: a window that
    // is never expanded never holds them.
    frame::Image* MiddleBk() const override { return Filled(m_middleBk); }
    frame::Image* LargeBk() const override { return Filled(m_largeBk); }
    frame::Image* CoreBk() const override { return m_coreBk; }
    frame::Image* ComboBoxBody() const override { return m_comboBoxBody; }
    frame::Image* ComboBoxBottom() const override { return m_comboBoxBottom; }
    void AnswerAccessibilityWith(kiln::AccessibleWindow* accessible) override { m_accessible = accessible; }

protected:
    void CreateParams(frame::WindowParams& params) override;
    void WndProc(frame::Message& message) override;
    void Dispatch(frame::Message& message) override;

private:
    void HookApplicationMessage(MSG& message, bool& handled);
    bool DispatchPrivate(frame::Message& message);
    LRESULT TakeProfileRequest(HWND requester, const COPYDATASTRUCT* data) const;
    // Messages whose handlers reach the item sets or the controls wait while
    // those are being built, and are posted again once they are.
    static bool ReachesTheModel(UINT message);
    void Hold(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void PostHeld();
    frame::Image* MakeHolder(const char* name, bool fill = true);
    // The holder, its picture read from the resource of its name if empty.
    static frame::Image* Filled(frame::Image* holder);

    UINT m_broadcastMessage = 0;
    UINT m_taskbarCreatedMessage = 0;
    int m_hookId = -1;
    HoverTracker m_hover;
    MainWindowEvents m_events;
    std::vector<MSG> m_held;
    frame::Image* m_background = nullptr;
    frame::Image* m_smallBk = nullptr;
    frame::Image* m_middleBk = nullptr;
    frame::Image* m_largeBk = nullptr;
    frame::Image* m_coreBk = nullptr;
    frame::Image* m_comboBoxBody = nullptr;
    frame::Image* m_comboBoxBottom = nullptr;
    kiln::AccessibleWindow* m_accessible = nullptr;
};

// The one main window of the process; nullptr until it is made.
extern TMainForm* MainForm;
