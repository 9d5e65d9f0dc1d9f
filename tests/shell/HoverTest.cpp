#include "app/Main.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Two slider stand-ins on the main window, and a log of what the main
// window asked them.
class HoverTest : public ::testing::Test {
protected:
    void SetUp() override {
        first = MainForm->MakeChild<frame::Control>();
        first->SetBounds(100, 50, 40, 20);
        second = MainForm->MakeChild<frame::Control>();
        second->SetBounds(10, 10, 30, 30);
    }
    void TearDown() override {
        MainForm->SetHoverTarget(HoverSlot{});
        MainForm->RemoveControl(first);
        MainForm->RemoveControl(second);
    }

    HoverSlot SlotFor(frame::Control* control, const std::string& name) {
        return HoverSlot{control,
                         [this, name](frame::Control* c, POINT p) {
                             log.push_back(name + " test " + std::to_string(p.x) + "," + std::to_string(p.y));
                             return p.x < 0 || p.y < 0 || p.x >= c->Width() || p.y >= c->Height();
                         },
                         [this, name](frame::Control*) { log.push_back(name + " leave"); }};
    }

    static void MoveMouse(int x, int y, WPARAM keys = 0) {
        SendMessageA(MainForm->Handle(), WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
    }

    frame::Control* first = nullptr;
    frame::Control* second = nullptr;
    std::vector<std::string> log;
};

TEST_F(HoverTest, ReplacingTheTargetLetsTheOldOneLeaveButRegisteringAgainChangesNothing) {
    MainForm->SetHoverTarget(SlotFor(first, "first"));
    MainForm->SetHoverTarget(SlotFor(first, "again"));
    EXPECT_TRUE(log.empty());
    MainForm->SetHoverTarget(SlotFor(second, "second"));
    EXPECT_EQ(std::vector<std::string>{"first leave"}, log);
    EXPECT_EQ(second, MainForm->HoverTarget());
}

TEST_F(HoverTest, MouseMovesAreTestedRelativeToTheControlAndLeavingClearsTheSlot) {
    MainForm->SetHoverTarget(SlotFor(first, "first"));
    MoveMouse(110, 55);
    MoveMouse(300, 55, MK_LBUTTON);  // dragging the slider keeps its hover
    EXPECT_EQ(first, MainForm->HoverTarget());
    MoveMouse(90, 45);
    EXPECT_EQ((std::vector<std::string>{"first test 10,5", "first test -10,-5", "first leave"}), log);
    EXPECT_EQ(nullptr, MainForm->HoverTarget());
    MoveMouse(5, 5);
    EXPECT_EQ(3u, log.size());
}

TEST(HoverTracker, ALeaveCallbackMayRegisterTheNextTarget) {
    frame::Control a, b;
    a.SetBounds(0, 0, 10, 10);
    HoverTracker tracker;
    tracker.SetTarget(HoverSlot{&a, [](frame::Control*, POINT) { return true; },
                                [&](frame::Control*) { tracker.SetTarget(HoverSlot{&b, nullptr, nullptr}); }});
    tracker.MouseMoved(0, MAKELPARAM(50, 50));
    EXPECT_EQ(&b, tracker.Target());
}

}  // namespace
