#include "tests/support/DialogScript.h"

#include "tests/support/DialogWindows.h"

#include <gtest/gtest.h>

namespace testsupport {
namespace {

constexpr UINT kStep = WM_APP + 0x3A1;
// Waiting goes through a timer: its message comes only when nothing else
// is queued, so the dialog gets to paint meanwhile.
constexpr UINT_PTR kWaitTimer = 0x3A1;
constexpr UINT kWaitSlice = 15;
// Told apart so that a step left queued by an earlier script does nothing.
unsigned g_generation = 0;

}  // namespace

DialogScript::DialogScript() : m_app(frame::Application::Instance()), m_generation(++g_generation) {
    m_hook = m_app.AddMessageHook([this](MSG& message, bool& handled) { OnMessage(message, handled); });
}

DialogScript::~DialogScript() {
    KillTimer(m_app.Handle(), kWaitTimer);
    m_app.RemoveMessageHook(m_hook);
}

DialogScript& DialogScript::Then(std::function<void()> step) {
    return When(nullptr, std::move(step));
}

DialogScript& DialogScript::When(std::function<bool()> ready, std::function<void()> step, DWORD milliseconds) {
    m_steps.push_back(Step{std::move(ready), std::move(step), milliseconds, 0, false});
    return *this;
}

DialogScript& DialogScript::WhenOpening(std::function<bool()> ready, std::function<void()> step,
                                        DWORD milliseconds) {
    m_steps.push_back(Step{std::move(ready), std::move(step), milliseconds, 0, true});
    return *this;
}

int DialogScript::Run(const std::function<int()>& show) {
    m_running = true;
    Post();
    const int result = show();
    m_running = false;
    KillTimer(m_app.Handle(), kWaitTimer);
    return result;
}

void DialogScript::Post() const {
    PostMessageA(m_app.Handle(), kStep, m_generation, 0);
}

void DialogScript::OnMessage(MSG& message, bool& handled) {
    if (!m_running || message.hwnd != m_app.Handle()) return;
    if (message.message == WM_TIMER && message.wParam == kWaitTimer) {
        KillTimer(m_app.Handle(), kWaitTimer);
    } else if (message.message != kStep || message.wParam != m_generation) {
        return;
    }
    handled = true;
    if (m_steps.empty()) {
        CloseLeftovers();
        return;
    }
    Step& step = m_steps.front();
    if (step.ready && !step.ready()) {
        const ULONGLONG now = GetTickCount64();
        if (step.waitingSince == 0) step.waitingSince = now;
        if (now - step.waitingSince < step.timeout) {
            SetTimer(m_app.Handle(), kWaitTimer, kWaitSlice, nullptr);
            return;
        }
        ADD_FAILURE() << "a dialog script step waited in vain";
    }
    Step current = std::move(step);
    m_steps.pop_front();
    // A step that does not return until its dialog closes must find the
    // next one already queued for that dialog's loop; whatever the last
    // step inside it queued then carries on in this loop.
    if (current.opensLoop) Post();
    current.action();
    if (!current.opensLoop) Post();
}

void DialogScript::CloseLeftovers() {
    for (const char* dialog : {kAskDialogClass, kProfileDialogClass}) {
        HWND window = FindWindowA(dialog, nullptr);
        if (!window || !IsWindowVisible(window) || m_closeAttempts >= 10) continue;
        ADD_FAILURE() << dialog << " still showing when the script ended";
        ++m_closeAttempts;
        PostMessageA(window, WM_CLOSE, 0, 0);
        Post();
        return;
    }
}

}  // namespace testsupport
