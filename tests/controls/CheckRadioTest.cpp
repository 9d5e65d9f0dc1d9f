#include "kiln/Component/LuCheckBox.h"
#include "kiln/Component/LuRadioButton.h"
#include "kiln/Component/LuRadioButtonTx.h"

#include "ControlSupport.h"
#include "FaceSupport.h"

using namespace testing_controls;

namespace {

const COLORREF kUnchecked = RGB(200, 0, 0), kChecked = RGB(0, 200, 0), kCheckedSunken = RGB(0, 90, 0),
               kGrayed = RGB(120, 120, 120), kNew = RGB(10, 20, 250);

class CheckBoxTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        box = Add<kiln::LuCheckBox>(10, 10, 16, 16);
        box->Appearance().Uncheck.SetRaisedBmp(*SolidFace(16, 16, kUnchecked));
        box->Appearance().Check.SetRaisedBmp(*SolidFace(16, 16, kChecked));
        box->Appearance().Gray.SetRaisedBmp(*SolidFace(16, 16, kGrayed));
        box->OnClick = [this](frame::Control*) { ++clicks; };
    }
    void ClickWithMouse() {
        Move(*box, 4, 4);
        Down(*box, 4, 4);
        Up(*box, 4, 4);
    }
    COLORREF Shown() { return box->Picture().PixelColor(8, 8); }

    kiln::LuCheckBox* box = nullptr;
    int clicks = 0;
};

TEST_F(CheckBoxTest, ClicksCycleThroughGrayedOnlyWhenAllowed) {
    ClickWithMouse();
    EXPECT_EQ(kiln::CheckState::Checked, box->State());
    ClickWithMouse();
    EXPECT_EQ(kiln::CheckState::Unchecked, box->State());

    box->SetAllowGrayed(true);
    ClickWithMouse();
    EXPECT_EQ(kiln::CheckState::Grayed, box->State());
    EXPECT_FALSE(box->GetChecked());
    ClickWithMouse();
    EXPECT_EQ(kiln::CheckState::Checked, box->State());
    EXPECT_TRUE(box->GetChecked());
    ClickWithMouse();
    EXPECT_EQ(kiln::CheckState::Unchecked, box->State());
    EXPECT_EQ(5, clicks);
}

TEST_F(CheckBoxTest, StateChangesKeepTheVisualStateWithinTheNewGroup) {
    Move(*box, 4, 4);
    EXPECT_EQ(2, box->FaceIndex());
    box->SetChecked(true);
    EXPECT_EQ(6, box->FaceIndex());
    box->SetState(kiln::CheckState::Grayed);
    EXPECT_EQ(10, box->FaceIndex());
    EXPECT_EQ(kGrayed, Shown());  // grayed-focused is empty: grayed-raised
}

TEST_F(CheckBoxTest, EmptyCheckedSunkenFaceFallsBackToCheckedRaisedThenUncheckedRaised) {
    box->SetChecked(true);
    Move(*box, 4, 4);
    Down(*box, 4, 4);
    EXPECT_EQ(5, box->FaceIndex());
    EXPECT_EQ(4, box->ShownFace());
    EXPECT_EQ(kChecked, Shown());

    // A new picture for the stand-in face shows at once.
    box->Appearance().Check.SetRaisedBmp(*SolidFace(16, 16, kNew));
    EXPECT_EQ(kNew, Shown());
    box->Appearance().Check.SetSunkenBmp(*SolidFace(16, 16, kCheckedSunken));
    EXPECT_EQ(kCheckedSunken, Shown());
    Up(*box, 4, 4);

    auto bare = Add<kiln::LuCheckBox>(40, 10, 16, 16);
    bare->Appearance().Uncheck.SetRaisedBmp(*SolidFace(16, 16, kUnchecked));
    bare->SetChecked(true);
    Move(*bare, 4, 4);
    Down(*bare, 4, 4);
    EXPECT_EQ(5, bare->FaceIndex());
    EXPECT_EQ(0, bare->ShownFace());
    EXPECT_EQ(kUnchecked, bare->Picture().PixelColor(8, 8));
    Up(*bare, 4, 4);
}

class RadioTest : public FormTest {};

TEST_F(RadioTest, CheckingExcludesOnlyControlsOfExactlyTheSameClass) {
    auto* tx1 = Add<kiln::LuRadioButtonTx>(10, 10, 20, 20);
    auto* tx2 = Add<kiln::LuRadioButtonTx>(40, 10, 20, 20);
    auto* plain1 = Add<kiln::LuRadioButton>(70, 10, 20, 20);
    auto* plain2 = Add<kiln::LuRadioButton>(100, 10, 20, 20);
    plain1->SetChecked(true);

    Move(*tx1, 3, 3);
    Down(*tx1, 3, 3);
    Up(*tx1, 3, 3);
    EXPECT_TRUE(tx1->GetChecked());
    EXPECT_TRUE(plain1->GetChecked());

    tx2->Click();
    EXPECT_TRUE(tx2->GetChecked());
    EXPECT_FALSE(tx1->GetChecked());
    EXPECT_TRUE(plain1->GetChecked());

    plain2->Click();
    EXPECT_TRUE(plain2->GetChecked());
    EXPECT_FALSE(plain1->GetChecked());
    EXPECT_TRUE(tx2->GetChecked());
}

TEST_F(RadioTest, CheckedFacesAndDoubleClickChecks) {
    auto* radio = Add<kiln::LuRadioButton>(10, 10, 16, 16);
    radio->Appearance().Uncheck.SetRaisedBmp(*SolidFace(16, 16, kUnchecked));
    radio->Appearance().Check.SetRaisedBmp(*SolidFace(16, 16, kChecked));
    EXPECT_EQ(kUnchecked, radio->Picture().PixelColor(8, 8));
    SendMessageA(radio->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, Point(3, 3));
    SendMessageA(radio->Handle(), WM_LBUTTONUP, 0, Point(3, 3));
    EXPECT_TRUE(radio->GetChecked());
    EXPECT_EQ(4, radio->FaceIndex() - radio->FaceIndex() % 4);
    EXPECT_EQ(kChecked, radio->Picture().PixelColor(8, 8));
    // Clicking a checked radio button leaves it checked.
    radio->Click();
    EXPECT_TRUE(radio->GetChecked());
}

}  // namespace
