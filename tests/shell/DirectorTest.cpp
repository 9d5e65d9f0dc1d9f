// The real controller's window requests, which other programs, a second
// start and the window's own Close can make at any time, start-up included.
#include "app/Director.h"

#include "app/Main.h"
#include "frame/Application.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(Director, WindowRequestsBeforeInitializeLeaveTheWindowAloneAndWorkAfterIt) {
    frame::Application& application = frame::Application::Instance();
    application.Initialize();
    application.SetShowMainForm(false);
    application.SetTitle("Veltrune");
    MainForm = application.CreateForm<TMainForm>();
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
    EXPECT_FALSE(application.Terminated());
}

}  // namespace
