// The real controller's window requests, which other programs, a second
// start and the window's own Close can make at any time, start-up included.
#include "app/Director.h"

#include "frame/Application.h"
#include "tests/support/InProcessDriver.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(Director, WindowRequestsBeforeInitializeLeaveTheWindowAloneAndWorkAfterIt) {
    testsupport::InProcessDriver::StartWindow();
    HWND window = MainForm->Handle();

    // A start-up message box runs a loop that lets such requests in before
    // start-up has handed the window over.
    SendMessageA(window, veltrune::msg::kShowFromSecondStart, veltrune::msg::kTag, 0);
    MainForm->Close();
    Director::Instance().ShowMainWindow();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindow(window));

    Director::Instance().Initialize(MainForm);
    SendMessageA(window, veltrune::msg::kShowFromSecondStart, veltrune::msg::kTag, 0);
    EXPECT_TRUE(IsWindowVisible(window));
    MainForm->Close();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(frame::Application::Instance().Terminated());
}

}  // namespace
