#include "kiln/Component/LuButtonTx.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "kiln/Component/LuRadioButtonTx.h"

#include "ControlSupport.h"
#include "FaceSupport.h"

using namespace testing_controls;

namespace {

const COLORREF kFace = RGB(255, 255, 255), kFont = RGB(0, 0, 0), kRed = RGB(220, 0, 0),
               kBlue = RGB(0, 0, 220), kGreen = RGB(0, 160, 0);

template <class Control>
void GiveFaces(Control& control, int groups) {
    for (int i = 0; i < groups * 4; ++i) control.Face(i).Assign(*SolidFace(80, 30, kFace));
}

class CaptionTest : public FormTest {
protected:
    static COLORREF Grey() { return GetSysColor(COLOR_GRAYTEXT); }
};

TEST_F(CaptionTest, ButtonCaptionColourFollowsTheFaceOnShow) {
    auto* button = Add<kiln::LuButtonTx>(10, 10, 80, 30);
    GiveFaces(*button, 1);
    button->Font().SetColor(kFont);
    button->FontColors().SetSunken(kRed);
    EXPECT_EQ(kFont, button->CaptionColor());
    button->ShowSunken();
    EXPECT_EQ(kRed, button->CaptionColor());
    button->ShowFocused();
    EXPECT_EQ(kFont, button->CaptionColor());  // not set: font colour
    button->FontColors().SetFocused(kBlue);
    EXPECT_EQ(kBlue, button->CaptionColor());
    button->ShowDisabled();
    EXPECT_EQ(Grey(), button->CaptionColor());
    button->FontColors().SetDisabled(kGreen);
    EXPECT_EQ(kGreen, button->CaptionColor());
}

TEST_F(CaptionTest, CheckBoxCaptionColourFollowsCheckStateAndFace) {
    auto* box = Add<kiln::LuCheckBoxTx>(10, 10, 80, 30);
    GiveFaces(*box, 3);
    box->Font().SetColor(kFont);
    auto& colors = box->FontColors();
    colors.Uncheck.SetSunken(kRed);
    colors.Check.SetRaised(kBlue);
    colors.Gray.SetFocused(kGreen);

    box->ShowSunken();
    EXPECT_EQ(kRed, box->CaptionColor());
    box->SetChecked(true);
    EXPECT_EQ(kBlue, box->CaptionColor());  // checked-sunken unset: checked-raised
    box->ShowRaised();
    EXPECT_EQ(kBlue, box->CaptionColor());
    box->ShowDisabled();
    EXPECT_EQ(Grey(), box->CaptionColor());
    box->SetState(kiln::CheckState::Grayed);
    EXPECT_EQ(Grey(), box->CaptionColor());
    box->ShowFocused();
    EXPECT_EQ(kGreen, box->CaptionColor());
    box->ShowRaised();
    EXPECT_EQ(kFont, box->CaptionColor());  // grayed-raised unset: font colour
}

TEST_F(CaptionTest, RadioCaptionColourFollowsCheckState) {
    auto* radio = Add<kiln::LuRadioButtonTx>(10, 10, 80, 30);
    GiveFaces(*radio, 2);
    radio->Font().SetColor(kFont);
    radio->FontColors().Check.SetRaised(kBlue);
    radio->FontColors().Check.SetSunken(kRed);
    radio->FontColors().Uncheck.SetFocused(kGreen);
    radio->ShowFocused();
    EXPECT_EQ(kGreen, radio->CaptionColor());
    radio->SetChecked(true);
    EXPECT_EQ(kBlue, radio->CaptionColor());
    radio->ShowSunken();
    EXPECT_EQ(kRed, radio->CaptionColor());
}

// The caption's painted extent in a colour, in face coordinates.
RECT InkOf(frame::Bitmap& picture, COLORREF color) {
    RECT ink{picture.Width(), picture.Height(), -1, -1};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.PixelColor(x, y) == color) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    return ink;
}

TEST_F(CaptionTest, SunkenCaptionIsDrawnDisplacedOnceInItsColour) {
    auto* button = Add<kiln::LuButtonTx>(10, 10, 80, 30);
    GiveFaces(*button, 1);
    button->SetBounds(10, 10, 80, 30);
    button->Font().SetColor(kBlue);
    button->Font().SetHeight(-16);
    button->FontColors().SetSunken(kRed);
    button->SetText("HH");
    const RECT raised = InkOf(button->Picture(), kBlue);
    ASSERT_LT(raised.left, raised.right) << "no caption drawn";

    button->ShowSunken();
    const RECT sunken = InkOf(button->Picture(), kRed);
    ASSERT_LT(sunken.left, sunken.right);
    // Centring halves the 2-pixel shrink of the rectangle: 1 pixel each way.
    EXPECT_EQ(raised.left + 1, sunken.left);
    EXPECT_EQ(raised.top + 1, sunken.top);

    button->RepaintFace();
    EXPECT_EQ(raised.left, InkOf(button->Picture(), kRed).left);
}

TEST_F(CaptionTest, TextRectangleIsTheSizeTheControlHas) {
    auto* button = Add<kiln::LuButtonTx>(10, 10, 5, 5);
    button->Appearance().SetRaisedBmp(*SolidFace(80, 30, kFace));
    RECT text = button->TextBounds();
    EXPECT_EQ(80, text.right);
    EXPECT_EQ(30, text.bottom);
    // Face 0 keeps the control at its size; the caption stays centred on it.
    button->SetBounds(20, 10, 5, 5);
    text = button->TextBounds();
    EXPECT_EQ(80, text.right);
    EXPECT_EQ(30, text.bottom);
}

TEST_F(CaptionTest, TextBoundsPlaceTheCaption) {
    auto* button = Add<kiln::LuButtonTx>(10, 10, 80, 30);
    GiveFaces(*button, 1);
    button->Font().SetColor(kBlue);
    button->SetText("H");
    button->SetTextBounds(0, 0, 20, 30);
    const RECT ink = InkOf(button->Picture(), kBlue);
    EXPECT_LT(ink.right, 20);
    EXPECT_EQ(0, InkOf(button->Picture(), kFace).left);
}

TEST_F(CaptionTest, AssignedFontColoursAreCopiedAndShownAtOnce) {
    auto* box = Add<kiln::LuCheckBoxTx>(10, 10, 80, 30);
    GiveFaces(*box, 3);
    box->Font().SetColor(kFont);
    box->Font().SetHeight(-16);
    box->SetText("HH");
    box->SetChecked(true);
    kiln::LuCheckBoxFontColor colors;
    colors.Check.SetRaised(kGreen);
    colors.Uncheck.SetFocused(kBlue);
    box->SetFontColors(colors);
    const RECT ink = InkOf(box->Picture(), kGreen);
    EXPECT_LT(ink.left, ink.right) << "caption not repainted in the new colour";
    EXPECT_EQ(kBlue, box->FontColors().Uncheck.Focused());
    // A copy: changing the source afterwards does not reach the control.
    colors.Check.SetRaised(kRed);
    EXPECT_EQ(kGreen, box->CaptionColor());
}

TEST_F(CaptionTest, NewPictureForTheFaceOnShowKeepsTheCaption) {
    const COLORREF kOther = RGB(250, 250, 200);
    auto* button = Add<kiln::LuButtonTx>(10, 10, 80, 30);
    GiveFaces(*button, 1);
    button->Font().SetColor(kBlue);
    button->Font().SetHeight(-16);
    button->SetText("HH");
    button->Appearance().SetRaisedBmp(*SolidFace(80, 30, kOther));
    EXPECT_EQ(kOther, button->Picture().PixelColor(1, 1));
    EXPECT_LT(InkOf(button->Picture(), kBlue).left, 80) << "caption lost with a new face 0";
    button->ShowFocused();
    button->Appearance().SetFocusedBmp(*SolidFace(80, 30, kOther));
    EXPECT_LT(InkOf(button->Picture(), kBlue).left, 80) << "caption lost with a new focused face";

    // A face standing in for an empty one.
    auto* box = Add<kiln::LuCheckBoxTx>(10, 50, 80, 30);
    box->Appearance().Uncheck.SetRaisedBmp(*SolidFace(80, 30, kFace));
    box->Appearance().Check.SetRaisedBmp(*SolidFace(80, 30, kFace));
    box->Font().SetColor(kBlue);
    box->Font().SetHeight(-16);
    box->SetText("HH");
    box->SetChecked(true);
    box->ShowFocused();
    ASSERT_EQ(4, box->ShownFace());
    box->Appearance().Check.SetRaisedBmp(*SolidFace(80, 30, kOther));
    EXPECT_EQ(kOther, box->Picture().PixelColor(1, 1));
    EXPECT_LT(InkOf(box->Picture(), kBlue).left, 80) << "caption lost with a new stand-in face";
}

}  // namespace
