#pragma once
// The main window: the process' mailbox for the private messages of the
// maker's programs, the settings-changed broadcast and the power broadcast,
// and the owner of the pictures the window is drawn from.

#include "app/MainHover.h"
#include "frame/Form.h"

#include <functional>
#include <vector>

namespace frame {
class Image;
}

// ChangeWindowMessageFilter when the system has it; success otherwise.
BOOL AllowMessageThroughFilter(UINT message, DWORD action);

class TMainForm : public frame::Form {
public:
    TMainForm();
    ~TMainForm() override;

    // 0 when the system refused to register the broadcast.
    UINT BroadcastMessage() const { return m_broadcastMessage; }
    void SetHoverTarget(HoverSlot slot) { m_hover.SetTarget(std::move(slot)); }
    frame::Control* HoverTarget() const { return m_hover.Target(); }

    // The visible face, which takes a copy of one of the three backgrounds.
    frame::Image* Background() const { return m_background; }
    // Hidden holders of the window's built-in pictures.
    frame::Image* SmallBk() const { return m_smallBk; }
    frame::Image* MiddleBk() const { return m_middleBk; }
    frame::Image* LargeBk() const { return m_largeBk; }
    frame::Image* CoreBk() const { return m_coreBk; }
    frame::Image* ComboBoxBody() const { return m_comboBoxBody; }
    frame::Image* ComboBoxBottom() const { return m_comboBoxBottom; }

    // Notifications of the notification-area icon (message 1224).
    std::function<void(frame::Message& message)> OnTrayNotification;
    // The taskbar was (re)started: icons must be added again.
    std::function<void()> OnTaskbarCreated;

protected:
    void CreateParams(frame::WindowParams& params) override;
    void WndProc(frame::Message& message) override;
    void Dispatch(frame::Message& message) override;

private:
    void HookApplicationMessage(MSG& message, bool& handled);
    bool DispatchPrivate(frame::Message& message);
    // Messages whose handlers reach the item sets or the controls wait while
    // those are being built, and are posted again once they are.
    static bool ReachesTheModel(UINT message);
    void Hold(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void PostHeld();
    frame::Image* MakeHolder(const char* name);

    UINT m_broadcastMessage = 0;
    UINT m_taskbarCreatedMessage = 0;
    int m_hookId = -1;
    HoverTracker m_hover;
    std::vector<MSG> m_held;
    frame::Image* m_background = nullptr;
    frame::Image* m_smallBk = nullptr;
    frame::Image* m_middleBk = nullptr;
    frame::Image* m_largeBk = nullptr;
    frame::Image* m_coreBk = nullptr;
    frame::Image* m_comboBoxBody = nullptr;
    frame::Image* m_comboBoxBottom = nullptr;
};

// The one main window of the process; nullptr until it is made.
extern TMainForm* MainForm;
