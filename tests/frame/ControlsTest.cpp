#include "tests/frame/FrameTestSupport.h"

#include "base/Handles.h"
#include "frame/Edit.h"
#include "frame/Exception.h"
#include "frame/Icon.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/ListBox.h"
#include "frame/Panel.h"

#include <commctrl.h>
#include <gtest/gtest.h>

using frametest::App;

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        form.SetClientSize(300, 200);
    }
    frame::Form form;
};

TEST_F(ControlsTest, OwnerDrawnListBoxDrawsEachItemThroughItsHandler) {
    auto* list = form.MakeChild<frame::ListBox>();
    list->SetStyle(frame::ListBoxStyle::OwnerDrawFixed);
    list->SetItemHeight(17);
    list->SetBounds(0, 0, 100, 100);
    std::vector<int> drawn;
    list->OnDrawItem = [&](frame::ListBox* sender, int index, const RECT& rect, UINT) {
        drawn.push_back(index);
        EXPECT_EQ(rect.bottom - rect.top, 17);
        sender->Canvas().FillRect(rect);
    };
    list->AddItem("one");
    list->AddItem("two");
    form.Show();
    UpdateWindow(list->Handle());
    EXPECT_EQ(SendMessageA(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 17);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), 1), drawn.end());
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ControlsTest, ListBoxMouseDownSeesTheNewSelection) {
    auto* list = form.MakeChild<frame::ListBox>();
    list->SetStyle(frame::ListBoxStyle::OwnerDrawFixed);
    list->SetItemHeight(13);
    list->SetBorder(false);
    list->SetBounds(0, 0, 100, 100);
    list->AddItem("a");
    list->AddItem("b");
    int selectedAtMouseDown = -2;
    list->OnMouseDown = [&](frame::Control*, frame::MouseButton, frame::ShiftState, int, int) {
        selectedAtMouseDown = list->ItemIndex();
    };
    form.Show();
    SendMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 13 + 5));
    SendMessageA(list->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 13 + 5));
    EXPECT_EQ(selectedAtMouseDown, 1);
}

TEST_F(ControlsTest, EditReportsChangesAndKeepsItsText) {
    auto* edit = form.MakeChild<frame::Edit>();
    edit->SetBorder(false);
    int changes = 0;
    edit->OnChange = [&](frame::Control*) { ++changes; };
    edit->SetText("before");
    form.HandleNeeded();
    EXPECT_EQ(edit->Text(), "before");
    edit->SetText("after");
    EXPECT_EQ(changes, 1);
    SendMessageA(edit->Handle(), WM_CHAR, 'x', 0);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(ControlsTest, EveryFrameworkWindowRunsOneWindowProcedure) {
    auto* list = form.MakeChild<frame::ListBox>();
    auto* panel = form.MakeChild<frame::Panel>();
    form.HandleNeeded();
    const LONG_PTR procedure = GetWindowLongPtrA(App().Handle(), GWLP_WNDPROC);
    EXPECT_EQ(GetWindowLongPtrA(form.Handle(), GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetWindowLongPtrA(panel->Handle(), GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetWindowLongPtrA(list->Handle(), GWLP_WNDPROC), procedure) << "the system list box is subclassed";
}

TEST_F(ControlsTest, FieldAndListColoursComeFromTheControls) {
    auto* edit = form.MakeChild<frame::Edit>();
    auto* list = form.MakeChild<frame::ListBox>();
    edit->SetColor(RGB(28, 36, 40));
    edit->Font().SetColor(RGB(204, 204, 204));
    list->SetColor(RGB(1, 2, 3));
    form.HandleNeeded();
    base::MemoryDC dc(CreateCompatibleDC(nullptr));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(form.Handle(), WM_CTLCOLOREDIT,
                                                       reinterpret_cast<WPARAM>(dc.Get()),
                                                       reinterpret_cast<LPARAM>(edit->Handle())));
    LOGBRUSH lb = {};
    ASSERT_TRUE(GetObjectA(brush, sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, RGB(28, 36, 40));
    EXPECT_EQ(GetBkColor(dc.Get()), RGB(28, 36, 40));
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(204, 204, 204));
    brush = reinterpret_cast<HBRUSH>(SendMessageA(form.Handle(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.Get()),
                                                  reinterpret_cast<LPARAM>(list->Handle())));
    ASSERT_TRUE(GetObjectA(brush, sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
    // A new colour gives a new brush.
    edit->SetColor(RGB(9, 9, 9));
    brush = reinterpret_cast<HBRUSH>(SendMessageA(form.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                                                  reinterpret_cast<LPARAM>(edit->Handle())));
    ASSERT_TRUE(GetObjectA(brush, sizeof lb, &lb));
    EXPECT_EQ(lb.lbColor, RGB(9, 9, 9));
}

TEST_F(ControlsTest, AutoSizedImageFollowsItsPicture) {
    auto* image = form.MakeChild<frame::Image>();
    image->SetBounds(5, 6, 10, 10);
    image->SetAutoSize(true);
    image->Picture().SetSize(40, 30);
    EXPECT_EQ(image->Width(), 40);
    EXPECT_EQ(image->Height(), 30);
    EXPECT_EQ(image->Left(), 5);
    frame::Bitmap other(7, 8);
    image->Picture().Assign(other);
    EXPECT_EQ(image->Width(), 7);
    image->SetAutoSize(false);
    image->Picture().SetSize(50, 50);
    EXPECT_EQ(image->Width(), 7);
}

TEST_F(ControlsTest, AutoSizedLabelGrowsWithItsCaption) {
    auto* label = form.MakeChild<frame::Label>();
    label->SetCaption("i");
    int narrow = label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_GT(label->Width(), narrow);
    EXPECT_GT(label->Height(), 0);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 10, 10);
    label->SetCaption("Longer still, but fixed");
    EXPECT_EQ(label->Width(), 10);
}

TEST_F(ControlsTest, HintsBecomeToolsOfTheTooltipOnlyWhenShown) {
    auto* panel = form.MakeChild<frame::Panel>();
    auto* image = form.MakeChild<frame::Image>();
    form.HandleNeeded();
    frame::HintWindow& hints = frame::Application::Instance().Hints();
    panel->SetHint("A panel");
    EXPECT_FALSE(hints.IsRegistered(panel)) << "ShowHint is off";
    panel->SetShowHint(true);
    image->SetHint("An image");
    image->SetShowHint(true);
    EXPECT_TRUE(hints.IsRegistered(panel));
    EXPECT_TRUE(hints.IsRegistered(image));
    EXPECT_EQ(SendMessageA(hints.Handle(), TTM_GETTOOLCOUNT, 0, 0), 2);
    image->Hide();
    EXPECT_FALSE(hints.IsRegistered(image));
    form.RemoveControl(panel);
    EXPECT_EQ(SendMessageA(hints.Handle(), TTM_GETTOOLCOUNT, 0, 0), 0);
}

// The loop hands mouse messages to the tooltip: resting over a control
// with a hint brings the hint up.
TEST_F(ControlsTest, AHintShowsWhenTheMouseRestsOverItsControl) {
    auto* panel = form.MakeChild<frame::Panel>();
    panel->SetBounds(0, 0, 60, 30);
    panel->SetHint("A panel");
    panel->SetShowHint(true);
    form.Show();
    const HWND tooltip = frame::Application::Instance().Hints().Handle();
    ASSERT_NE(tooltip, nullptr);
    SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(1, 0));
    POINT over{10, 10};
    ClientToScreen(panel->Handle(), &over);
    SetCursorPos(over.x, over.y);  // the tooltip checks where the mouse is
    PostMessageA(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    // The tooltip's own timer brings it up: wait for it, briefly.
    for (int i = 0; i < 200 && !IsWindowVisible(tooltip); ++i) {
        frametest::PumpUntil([&] { return IsWindowVisible(tooltip) != FALSE; }, 1);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    EXPECT_TRUE(IsWindowVisible(tooltip));
    SendMessageA(tooltip, TTM_POP, 0, 0);
}

TEST_F(ControlsTest, ACapturingControlKeepsTheMouseFromPressToRelease) {
    auto* panel = form.MakeChild<frame::Panel>();
    panel->SetCaptureMouse(true);
    form.HandleNeeded();
    SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(GetCapture(), panel->Handle());
    SendMessageA(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
    EXPECT_EQ(GetCapture(), nullptr);
    panel->SetCaptureMouse(false);
    SendMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ControlsTest, TabMovesTheFocusToTheNextTabStop) {
    auto* first = form.MakeChild<frame::Edit>();
    auto* skipped = form.MakeChild<frame::Edit>();
    auto* second = form.MakeChild<frame::Edit>();
    first->SetBounds(0, 0, 50, 20);
    skipped->SetBounds(0, 30, 50, 20);
    skipped->SetTabStop(false);
    second->SetBounds(0, 60, 50, 20);
    form.Show();
    first->SetFocus();
    ASSERT_TRUE(first->Focused());
    PostMessageA(first->Handle(), WM_KEYDOWN, VK_TAB, 0);
    frametest::PumpUntil([&] { return second->Focused(); });
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(first->Text(), "") << "the tab key is not typed into the field";
}

TEST(IconTest, MissingFileRaisesTheFileOpenError) {
    frame::Icon icon;
    EXPECT_THROW(icon.LoadFromFile("C:\\no\\such.ico"), frame::FileOpenError);
    EXPECT_TRUE(icon.Empty());
}

}  // namespace
