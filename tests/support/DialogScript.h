#pragma once
// Drives a dialog from inside its own modal loop. The steps run one after
// another from the application's message hook, each once everything posted
// before it has been handled: input a step posts reaches the dialog first,
// and a step that opens a nested dialog has the next step run inside that
// dialog's loop. When the steps run out while a dialog of the library is
// still showing, the script reports it and closes the dialog, so a broken
// test fails instead of hanging.

#include "frame/Application.h"

#include <deque>
#include <functional>

namespace testsupport {

class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    DialogScript& Then(std::function<void()> step);
    // Runs `step` once `ready` answers true; fails the test when that takes
    // longer than `milliseconds`.
    DialogScript& When(std::function<bool()> ready, std::function<void()> step, DWORD milliseconds = 5000);
    // As When, for a step that runs a dialog's loop itself (calls an entry
    // point that shows one): the steps after it run inside that loop.
    DialogScript& WhenOpening(std::function<bool()> ready, std::function<void()> step, DWORD milliseconds = 5000);
    // Calls `show` (which runs a dialog's loop) with the steps running
    // inside it, and returns its answer. The script does nothing afterwards.
    int Run(const std::function<int()>& show);

private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> action;
        DWORD timeout;
        ULONGLONG waitingSince;
        bool opensLoop;
    };

    void Post() const;
    void OnMessage(MSG& message, bool& handled);
    void CloseLeftovers();

    frame::Application& m_app;
    int m_hook;
    unsigned m_generation;
    std::deque<Step> m_steps;
    int m_closeAttempts = 0;
    bool m_running = false;
};

}  // namespace testsupport
