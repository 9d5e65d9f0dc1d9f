#include "tests/frame/FrameTestSupport.h"

#include <gtest/gtest.h>

using frametest::App;

namespace {

constexpr UINT kConsumed = WM_APP + 30;
constexpr UINT kPassed = WM_APP + 31;
constexpr UINT kStop = WM_APP + 32;

TEST(MessageHookTest, SeesPostedMessagesBeforeDispatchAndCanConsumeThem) {
    frame::Application& app = App();
    frametest::RecordingForm form;
    std::vector<UINT> hooked;
    std::vector<HWND> targets;
    int id = app.AddMessageHook([&](MSG& message, bool& handled) {
        if (message.message < WM_APP) return;
        hooked.push_back(message.message);
        targets.push_back(message.hwnd);
        if (message.message == kConsumed) handled = true;
        if (message.message == kStop) app.Terminate();
    });
    PostMessageA(form.Handle(), kConsumed, 0, 0);
    PostMessageA(form.Handle(), kPassed, 0, 0);
    PostMessageA(app.Handle(), kPassed, 0, 0);
    PostMessageA(form.Handle(), kStop, 0, 0);
    app.Run();
    app.RemoveMessageHook(id);
    EXPECT_EQ(hooked, (std::vector<UINT>{kConsumed, kPassed, kPassed, kStop}));
    EXPECT_EQ(targets[2], app.Handle());
    EXPECT_EQ(form.seen, (std::vector<UINT>{kPassed, kStop})) << "the consumed message is never dispatched";
}

TEST(MessageHookTest, SeesTheMessagesOfANestedModalLoop) {
    frame::Application& app = App();
    frametest::RecordingForm dialog;
    bool seenInModal = false;
    int id = app.AddMessageHook([&](MSG& message, bool& handled) {
        if (message.message == kConsumed && dialog.Modal()) {
            seenInModal = true;
            handled = true;
            dialog.SetModalResult(frame::modal::Ok);
        }
    });
    PostMessageA(dialog.Handle(), kConsumed, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), frame::modal::Ok);
    app.RemoveMessageHook(id);
    EXPECT_TRUE(seenInModal);
    EXPECT_TRUE(dialog.seen.empty());
}

TEST(MessageHookTest, RemovedHookNoLongerSeesMessages) {
    frame::Application& app = App();
    frametest::RecordingForm form;
    int calls = 0;
    int id = app.AddMessageHook([&](MSG& message, bool&) {
        if (message.message == kPassed) ++calls;
    });
    app.RemoveMessageHook(id);
    PostMessageA(form.Handle(), kPassed, 0, 0);
    frametest::PumpUntil([&] { return !form.seen.empty(); });
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(form.seen.size(), 1u);
}

}  // namespace
