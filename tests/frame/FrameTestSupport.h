#pragma once
// Helpers shared by the framework tests.

#include "frame/Application.h"
#include "frame/Exception.h"
#include "frame/Form.h"

#include <functional>

namespace frametest {

inline frame::Application& App() {
    frame::Application& app = frame::Application::Instance();
    app.Initialize();
    return app;
}

// Runs the message loop until `done` holds or the queue runs dry for the
// last time; never waits on a clock.
inline void PumpUntil(const std::function<bool()>& done, int rounds = 50) {
    for (int i = 0; i < rounds && !done(); ++i) App().ProcessMessages();
}

// A form that records what reaches its message dispatch.
class RecordingForm : public frame::Form {
public:
    std::vector<UINT> seen;
    std::function<void(frame::Message&)> onMessage;

protected:
    void Dispatch(frame::Message& message) override {
        if (message.msg >= WM_APP) {
            seen.push_back(message.msg);
            if (onMessage) onMessage(message);
            return;
        }
        frame::Form::Dispatch(message);
    }
};

}  // namespace frametest
