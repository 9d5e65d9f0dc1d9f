// The profile selector on the main window: opening and closing, choosing
// from the list, and the application-wide clicks and deactivation that
// close it. Messages are posted and taken through the application's own
// loop, so its message hooks see them as in the running program.

#include "WindowFixture.h"

#include "app/mainwindow/AdvComboBox.h"
#include "app/mainwindow/AdvLargeBar.h"
#include "frame/Application.h"
#include "kiln/Graphics/PngReader.h"

#include <vector>

namespace mainwindowtest {
namespace {

class ProfileSelector : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Make();
    }
    void TearDown() override {
        selector.reset();
        frame::Application::Instance().OnDeactivate = nullptr;
        WindowTest::TearDown();
    }
    void Make() {
        selector = std::make_unique<AdvComboBox>();
        selector->Create(Window(), 93, 56);
        // The list is filled once, so that an entry stays chosen across openings.
        selector->OnDropDown = [this](frame::ListBox& list) {
            ++dropDowns;
            if (list.Count() == 0)
                for (const char* name : {"Power Saving", "Gaming", "Extreme OC"}) list.AddItem(name);
        };
        selector->OnSelect = [this](frame::ListBox& list) { selections.push_back(list.ItemIndex()); };
    }

    static void Post(HWND window, UINT message, WPARAM keys, int x, int y) {
        PostMessageA(window, message, keys, MAKELPARAM(x, y));
        frame::Application::Instance().ProcessMessages();
    }
    void PressDropButton(UINT message = WM_LBUTTONDOWN) {
        frame::WinControl& button = selector->DropButton();
        const WPARAM keys = message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON;
        Post(button.Handle(), message, keys, 5, 5);
        Post(button.Handle(), message == WM_LBUTTONDOWN ? WM_LBUTTONUP : WM_RBUTTONUP, 0, 5, 5);
    }
    // A press and release in the list, `row` items from the top.
    void PickRow(int row) {
        HWND list = selector->Items().Handle();
        Post(list, WM_LBUTTONDOWN, MK_LBUTTON, 20, row * 16 + 8);
        Post(list, WM_LBUTTONUP, 0, 20, row * 16 + 8);
    }
    bool BodyShows(const char* picture) {
        frame::Bitmap expected;
        kiln::LoadPng(kiln::GetResourceFolder() + picture, expected);
        frame::Bitmap& shown = selector->Body().Picture();
        const int x = expected.Width() / 2, y = expected.Height() / 2;
        return PixelOf(shown, x, y) == PixelOf(expected, x, y);
    }

    std::unique_ptr<AdvComboBox> selector;
    int dropDowns = 0;
    std::vector<int> selections;
};

TEST_F(ProfileSelector, EveryOpeningRaisesTheDropDownEvent) {
    ASSERT_TRUE(BodyShows("combo_box_n.png"));
    ASSERT_FALSE(BodyShows("combo_box_o.png"));
    EXPECT_EQ(Find<frame::Label>("ProfileSelector.Caption").Caption(), "Profiles :");
    EXPECT_EQ(Find<frame::Panel>("ProfileSelector.DropPanel").Top(), 56 + selector->Body().Height());
    PressDropButton();
    EXPECT_TRUE(selector->IsOpen());
    EXPECT_TRUE(BodyShows("combo_box_o.png"));
    EXPECT_EQ(dropDowns, 1);
    PressDropButton();
    EXPECT_FALSE(selector->IsOpen());
    EXPECT_TRUE(BodyShows("combo_box_n.png"));
    PressDropButton(WM_RBUTTONDOWN);
    EXPECT_TRUE(selector->IsOpen());
    EXPECT_EQ(dropDowns, 2);
    EXPECT_EQ(selector->Items().Count(), 3);
}

TEST_F(ProfileSelector, AReleaseOverTheListChoosesTheSelectedEntryEvenTheSameAgain) {
    PressDropButton();
    Post(selector->Items().Handle(), WM_LBUTTONUP, 0, 20, 70);
    EXPECT_FALSE(selector->IsOpen());
    EXPECT_TRUE(selections.empty());
    EXPECT_EQ(selector->Text(), "");

    PressDropButton();
    PickRow(1);
    EXPECT_FALSE(selector->IsOpen());
    EXPECT_EQ(selector->Text(), "Gaming");
    EXPECT_EQ(selector->ItemIndex(), 1);
    PressDropButton();
    Post(selector->Items().Handle(), WM_LBUTTONUP, 0, 20, 70);
    EXPECT_EQ(selections, (std::vector<int>{1, 1}));
    EXPECT_EQ(selector->Text(), "Gaming");
}

TEST_F(ProfileSelector, SettingTheIndexChoosesOrClearsAndRaisesTheSelectionWhenItChanges) {
    PressDropButton();
    PressDropButton();
    selector->SetItemIndex(2);
    EXPECT_EQ(selector->Text(), "Extreme OC");
    selector->SetItemIndex(2);
    selector->SetItemIndex(-1);
    EXPECT_EQ(selector->Text(), "");
    EXPECT_EQ(selector->ItemIndex(), -1);
    selector->SetItemIndex(-1);
    selector->SetItemIndex(7);  // no such entry: none chosen, nothing raised
    EXPECT_EQ(selections, (std::vector<int>{2, -1}));
}

TEST_F(ProfileSelector, AClickElsewhereWhileOpenOnlyClosesTheList) {
    const int entry = EntryOf(Board().Primary(), 0x03020032);
    AdvLargeBar bar(entry, Sets());
    bar.Create(Window(), 296, 122);
    const int before = bar.Position();
    frame::WinControl& increase = bar.IncreaseButton();

    PressDropButton();
    Post(increase.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    Post(increase.Handle(), WM_LBUTTONUP, 0, 5, 5);
    EXPECT_FALSE(selector->IsOpen());
    EXPECT_EQ(bar.Position(), before);

    // With the list closed the same click steps the slider.
    Post(increase.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    Post(increase.Handle(), WM_LBUTTONUP, 0, 5, 5);
    EXPECT_EQ(bar.Position(), before + 1);

    PressDropButton();
    Post(Window().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 300, 20);
    Post(Window().Handle(), WM_LBUTTONUP, 0, 300, 20);
    EXPECT_FALSE(selector->IsOpen());
    EXPECT_TRUE(selections.empty());
}

TEST_F(ProfileSelector, LosingTheActivationClosesTheListAndStillReachesTheEarlierHandler) {
    selector.reset();
    int earlier = 0;
    frame::Application::Instance().OnDeactivate = [&earlier] { ++earlier; };
    Make();
    PressDropButton();
    SendMessageA(frame::Application::Instance().Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(selector->IsOpen());
    EXPECT_EQ(earlier, 1);
}

}  // namespace
}  // namespace mainwindowtest
