#include "kiln/widget/Flicker.h"

#include "WidgetTestSupport.h"
#include "frame/Application.h"
#include "frame/Panel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FlickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame::Application::Instance().Initialize();
        standard = panel.WindowProc();
        panel.SetWindowProc([this](frame::Message& message) {
            seen.push_back(message.msg);
            standard(message);
        });
    }

    frame::Panel panel;
    frame::WindowProcedure standard;
    std::vector<UINT> seen;
};

TEST_F(FlickerTest, EraseBackgroundIsAnsweredAndEverythingElsePassesThrough) {
    kiln::FlickerEliminator eliminator;
    eliminator.Attach(&panel);
    EXPECT_EQ(1, panel.Perform(WM_ERASEBKGND));
    panel.Perform(WM_USER + 7, 3, 4);
    EXPECT_EQ(std::vector<UINT>{WM_USER + 7}, seen);

    eliminator.Detach();
    seen.clear();
    panel.Perform(WM_ERASEBKGND);
    EXPECT_EQ(std::vector<UINT>{WM_ERASEBKGND}, seen);
}

TEST_F(FlickerTest, GoingOutOfScopeGivesTheWindowProcedureBack) {
    {
        kiln::FlickerEliminator eliminator;
        eliminator.Attach(&panel);
    }
    panel.Perform(WM_ERASEBKGND);
    EXPECT_EQ(std::vector<UINT>{WM_ERASEBKGND}, seen);
}

TEST_F(FlickerTest, AttachingTwiceIsAProgrammingError) {
    kiln::FlickerEliminator eliminator;
    eliminator.Attach(&panel);
    widgettest::ThrowingAsserts asserts;
    try {
        eliminator.Attach(&panel);
        FAIL() << "second attach went through";
    } catch (const widgettest::AssertionStop& stop) {
        EXPECT_NE(std::string::npos,
                  std::string(stop.what()).find("Assertion failed: m_control == NULL, file kiln/widget/Source/Flicker"));
    }
}

}  // namespace
