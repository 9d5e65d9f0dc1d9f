#include "tests/frame/FrameTestSupport.h"

#include <gtest/gtest.h>

using frametest::App;

namespace {

constexpr UINT kFinish = WM_APP + 20;

TEST(ModalTest, OtherWindowsAreDisabledWhileModalAndTheResultIsReturned) {
    frame::Application& app = App();
    frame::Form other;
    other.Show();
    frametest::RecordingForm dialog;
    bool otherEnabledDuring = true;
    bool appEnabledDuring = true;
    bool dialogVisibleDuring = false;
    dialog.onMessage = [&](frame::Message& message) {
        if (message.msg != kFinish) return;
        otherEnabledDuring = IsWindowEnabled(other.Handle());
        appEnabledDuring = IsWindowEnabled(app.Handle());
        dialogVisibleDuring = IsWindowVisible(dialog.Handle());
        dialog.SetModalResult(frame::modal::Yes);
    };
    PostMessageA(dialog.Handle(), kFinish, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), frame::modal::Yes);
    EXPECT_FALSE(otherEnabledDuring);
    EXPECT_FALSE(appEnabledDuring);
    EXPECT_TRUE(dialogVisibleDuring);
    EXPECT_TRUE(IsWindowEnabled(other.Handle()));
    EXPECT_TRUE(IsWindowEnabled(app.Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_FALSE(dialog.Modal());
}

TEST(ModalTest, ClosingAModalFormGivesCancelAndAWindowDisabledBeforeStaysDisabled) {
    App();
    frame::Form disabledBefore;
    disabledBefore.Show();
    EnableWindow(disabledBefore.Handle(), FALSE);
    frame::Form dialog;
    PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), frame::modal::Cancel);
    EXPECT_FALSE(IsWindowEnabled(disabledBefore.Handle()));
}

TEST(ModalTest, AHiddenFormShownModallyFromInsideAnotherModalLoopTakesInput) {
    App();
    frametest::RecordingForm outer;
    frametest::RecordingForm inner;
    bool innerEnabledDuring = false;
    bool outerEnabledDuringInner = true;
    inner.onMessage = [&](frame::Message& message) {
        if (message.msg != kFinish) return;
        innerEnabledDuring = IsWindowEnabled(inner.Handle());
        outerEnabledDuringInner = IsWindowEnabled(outer.Handle());
        inner.SetModalResult(frame::modal::No);
    };
    int innerResult = 0;
    bool innerEnabledAfterItsLoop = true;
    outer.onMessage = [&](frame::Message& message) {
        if (message.msg != kFinish) return;
        PostMessageA(inner.Handle(), kFinish, 0, 0);
        innerResult = inner.ShowModal();
        innerEnabledAfterItsLoop = IsWindowEnabled(inner.Handle());
        outer.SetModalResult(frame::modal::Ok);
    };
    inner.HandleNeeded();
    PostMessageA(outer.Handle(), kFinish, 0, 0);
    EXPECT_EQ(outer.ShowModal(), frame::modal::Ok);
    EXPECT_EQ(innerResult, frame::modal::No);
    EXPECT_TRUE(innerEnabledDuring);
    EXPECT_FALSE(outerEnabledDuringInner);
    // The outer loop's bookkeeping holds: disabled again until it ends.
    EXPECT_FALSE(innerEnabledAfterItsLoop);
    EXPECT_TRUE(IsWindowEnabled(inner.Handle()));
    EXPECT_TRUE(IsWindowEnabled(outer.Handle()));
}

TEST(ModalTest, QuitDuringAModalLoopEndsItAndReachesTheOuterLoop) {
    frame::Application& app = App();
    frame::Form dialog;
    app.Terminate();
    EXPECT_EQ(dialog.ShowModal(), frame::modal::Cancel);
    // The quit message is still there for the main loop: Run ends at once.
    app.Run();
    EXPECT_TRUE(app.Terminated());
}

TEST(ModalTest, AVisibleFormCannotBeShownModally) {
    App();
    frame::Form form;
    form.Show();
    EXPECT_THROW(form.ShowModal(), frame::Exception);
}

}  // namespace
