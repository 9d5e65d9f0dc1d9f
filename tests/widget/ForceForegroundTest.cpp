// Bringing a window to the front: behind another window, minimised, or
// already in front, it ends as the visible foreground window.

#include "kiln/widget/ForceForeground.h"

#include "frame/Form.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

namespace {

class ForceForegroundTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (frame::Form* form : {&target, &other}) {
            form->SetBorderStyle(frame::BorderStyle::Single);
            form->SetBounds(60, 60, 200, 120);
        }
    }
    frame::Form target;
    frame::Form other;
};

TEST_F(ForceForegroundTest, AWindowBehindAnotherComesToTheFront) {
    target.Show();
    other.Show();
    SetForegroundWindow(other.Handle());
    testsupport::PumpMessages();
    ASSERT_EQ(other.Handle(), GetForegroundWindow());
    kiln::ForceForeground(target.Handle());
    testsupport::PumpMessages();
    EXPECT_EQ(target.Handle(), GetForegroundWindow());
    EXPECT_TRUE(IsWindowVisible(target.Handle()));
}

TEST_F(ForceForegroundTest, AMinimisedWindowIsRestoredAndHiddenOneShown) {
    target.Show();
    ShowWindow(target.Handle(), SW_MINIMIZE);
    testsupport::PumpMessages();
    kiln::ForceForeground(target.Handle());
    testsupport::PumpMessages();
    EXPECT_FALSE(IsIconic(target.Handle()));
    EXPECT_EQ(target.Handle(), GetForegroundWindow());

    other.Hide();
    kiln::ForceForeground(other.Handle());
    testsupport::PumpMessages();
    EXPECT_TRUE(IsWindowVisible(other.Handle()));
    EXPECT_EQ(other.Handle(), GetForegroundWindow());
}

}  // namespace
