#include "kiln/Component/LuButton.h"

#include "ControlSupport.h"
#include "FaceSupport.h"
#include "base/Handles.h"

using namespace testing_controls;

namespace {

const COLORREF kRaised = RGB(200, 0, 0), kSunken = RGB(0, 200, 0), kFocused = RGB(0, 0, 200),
               kDisabled = RGB(90, 90, 90), kKey = RGB(255, 0, 255);

struct CountingButton : kiln::LuButton {
    int sunkenShown = 0;
    void ShowSunken() override {
        ++sunkenShown;
        LuButton::ShowSunken();
    }
};

class ButtonTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        button = Add<CountingButton>(10, 10, 40, 20);
        button->Appearance().SetRaisedBmp(*SolidFace(40, 20, kRaised));
        button->Appearance().SetSunkenBmp(*SolidFace(40, 20, kSunken));
        button->Appearance().SetFocusedBmp(*SolidFace(40, 20, kFocused));
        button->Appearance().SetDisabledBmp(*SolidFace(40, 20, kDisabled));
        button->OnClick = [this](frame::Control*) { ++clicks; };
        button->OnMouseEnter = [this](frame::Control*) { ++enters; };
        button->OnMouseLeave = [this](frame::Control*) { ++leaves; };
    }
    COLORREF Shown() { return button->Picture().PixelColor(20, 10); }

    CountingButton* button = nullptr;
    int clicks = 0, enters = 0, leaves = 0;
};

TEST_F(ButtonTest, HoverPressAndReleaseInsideClickAndSetTheModalResult) {
    button->SetModalResult(frame::modal::Yes);
    EXPECT_EQ(kRaised, Shown());
    Move(*button, 5, 5);
    EXPECT_EQ(kFocused, Shown());
    EXPECT_EQ(1, enters);
    Down(*button, 5, 5);
    EXPECT_EQ(kSunken, Shown());
    EXPECT_TRUE(button->Focused());
    Up(*button, 6, 6);
    EXPECT_EQ(kFocused, Shown());
    EXPECT_EQ(1, clicks);
    EXPECT_EQ(frame::modal::Yes, form->ModalResult());

    // The keyboard focus keeps the focused face after the pointer leaves.
    Move(*button, 60, 5);
    EXPECT_EQ(kFocused, Shown());
    EXPECT_EQ(1, leaves);
    SetFocus(form->Handle());
    EXPECT_EQ(kRaised, Shown());
}

TEST_F(ButtonTest, LeavingWithoutFocusShowsRaisedAgainThroughEitherRoute) {
    Move(*button, 5, 5);
    SendMessageA(button->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(kRaised, Shown());
    EXPECT_EQ(1, leaves);
    Move(*button, 5, 5);
    Move(*button, 45, 5);
    EXPECT_EQ(kRaised, Shown());
    EXPECT_EQ(2, leaves);
}

TEST_F(ButtonTest, HoverWithAnEmptyFocusedFaceShowsTheRaisedFace) {
    button->Appearance().SetFocusedBmp(frame::Bitmap());
    Move(*button, 5, 5);
    EXPECT_EQ(2, button->FaceIndex());
    EXPECT_EQ(0, button->ShownFace());
    EXPECT_EQ(kRaised, Shown());
}

TEST_F(ButtonTest, PressDragOutAndReleaseOutsideGivesNoClick) {
    Move(*button, 5, 5);
    Down(*button, 5, 5);
    Move(*button, 70, 30, true);
    // Released face: the press took the focus, so it is the focused one.
    EXPECT_EQ(kFocused, Shown());
    EXPECT_EQ(0, leaves);
    Up(*button, 70, 30);
    EXPECT_EQ(0, clicks);

    // Coming back in with the button held presses again.
    Down(*button, 5, 5);
    Move(*button, 70, 30, true);
    Move(*button, 5, 5, true);
    EXPECT_EQ(kSunken, Shown());
    Up(*button, 5, 5);
    EXPECT_EQ(1, clicks);
}

TEST_F(ButtonTest, SpaceHeldWhileTheMousePresses) {
    SetFocus(button->Handle());
    KeyDown(*button, VK_SPACE);
    EXPECT_EQ(kSunken, Shown());
    EXPECT_EQ(1, button->sunkenShown);
    Down(*button, 5, 5);
    EXPECT_EQ(1, button->sunkenShown);
    Up(*button, 5, 5);
    EXPECT_EQ(kSunken, Shown());  // Space still holds it down
    KeyUp(*button, VK_SPACE);
    EXPECT_EQ(kFocused, Shown());
}

TEST_F(ButtonTest, SpaceReleasedWhileTheMouseStillPresses) {
    SetFocus(button->Handle());
    KeyDown(*button, VK_SPACE);
    Down(*button, 5, 5);
    KeyUp(*button, VK_SPACE);
    EXPECT_EQ(kSunken, Shown());
    Up(*button, 5, 5);
    EXPECT_EQ(kFocused, Shown());
    // Nothing of the key is left behind: the next mouse press shows sunken.
    const int before = button->sunkenShown;
    Down(*button, 5, 5);
    EXPECT_EQ(before + 1, button->sunkenShown);
    EXPECT_EQ(kSunken, Shown());
    Up(*button, 5, 5);
}

TEST_F(ButtonTest, SpaceAndEnterPressButOnlySpaceClicks) {
    SetFocus(button->Handle());
    KeyDown(*button, VK_RETURN);
    EXPECT_EQ(kSunken, Shown());
    KeyUp(*button, VK_RETURN);
    EXPECT_EQ(kFocused, Shown());
    EXPECT_EQ(0, clicks);
    KeyDown(*button, VK_SPACE);
    KeyUp(*button, VK_SPACE);
    EXPECT_EQ(1, clicks);
}

TEST_F(ButtonTest, DisablingEndsPressAndHoverAndEnablingShowsRaised) {
    Move(*button, 5, 5);
    Down(*button, 5, 5);
    EXPECT_TRUE(button->Focused());
    button->SetEnabled(false);
    EXPECT_EQ(kDisabled, Shown());
    EXPECT_FALSE(button->Focused());
    Up(*button, 5, 5);
    EXPECT_EQ(kDisabled, Shown());
    EXPECT_EQ(0, clicks);
    button->SetEnabled(true);
    EXPECT_EQ(kRaised, Shown());
    SetFocus(button->Handle());
    EXPECT_EQ(kFocused, Shown());
}

TEST_F(ButtonTest, DisabledClicksStillShowHover) {
    button->SetClicksDisabled(true);
    Move(*button, 5, 5);
    EXPECT_EQ(kFocused, Shown());
    Down(*button, 5, 5);
    EXPECT_EQ(kFocused, Shown());
    Up(*button, 5, 5);
    KeyDown(*button, VK_SPACE);
    KeyUp(*button, VK_SPACE);
    EXPECT_EQ(0, clicks);
    button->SetShowMouseOver(false);
    EXPECT_EQ(kRaised, Shown());
}

TEST_F(ButtonTest, NewFaceZeroResizesTheControlAndRebuildsItsShape) {
    button->SetTransparent(true);
    // A 30x12 face whose first three columns are the key colour (bottom-left
    // pixel, so it becomes the transparent colour).
    auto face = SolidFace(30, 12, kRaised);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 3; ++x) face->Canvas().SetPixel(x, y, kKey);
    button->Appearance().SetRaisedBmp(*face);
    EXPECT_EQ(30, button->Width());
    EXPECT_EQ(12, button->Height());
    EXPECT_EQ(kKey, frame::ColorToRGB(button->TransparentColor()));

    base::GdiRegion shape(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, GetWindowRgn(button->Handle(), shape.Get()));
    EXPECT_FALSE(PtInRegion(shape.Get(), 1, 5));
    EXPECT_TRUE(PtInRegion(shape.Get(), 10, 5));
    EXPECT_FALSE(PtInRegion(shape.Get(), 31, 5));

    // The shape is the hit area: no hover over the cut-out part.
    Move(*button, 1, 5);
    EXPECT_EQ(0, enters);
    Move(*button, 10, 5);
    EXPECT_EQ(1, enters);
    // A press released over the cut-out part is no click.
    Down(*button, 10, 5);
    Up(*button, 1, 5);
    EXPECT_EQ(0, clicks);
    Down(*button, 10, 5);
    Up(*button, 12, 5);
    EXPECT_EQ(1, clicks);

    // The size stays pinned to face 0.
    button->SetBounds(10, 10, 100, 100);
    EXPECT_EQ(30, button->Width());
    EXPECT_EQ(12, button->Height());

    button->SetTransparent(false);
    base::GdiRegion none(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(ERROR, GetWindowRgn(button->Handle(), none.Get()));
}

}  // namespace
