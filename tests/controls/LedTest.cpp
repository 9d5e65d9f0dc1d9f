#include "kiln/Component/TBmpLEDCtrl.h"
#include "kiln/Graphics/LayerFormat.h"

#include "FaceSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testing_controls;

namespace {

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);
const COLORREF kMarker = RGB(12, 34, 56);

class LedTest : public ::testing::Test {
protected:
    testsupport::ThrowingAsserts asserts;
    void SetUp() override {
        led.Picture().SetSize(4, 4);
        led.Layer().OnRepaint = [this] { ++repaints; };
    }
    // Paints the layer with a colour no state has, to see whether a draw happened.
    void MarkLayer() {
        frame::Canvas& canvas = led.Canvas();
        canvas.Brush().color = kMarker;
        canvas.FillRect(RECT{0, 0, 4, 4});
    }
    COLORREF Shown() { return led.Picture().PixelColor(1, 1); }

    kiln::TBmpLEDCtrl led{3, frame::PixelFormat::Bits24};
    int repaints = 0;
};

TEST_F(LedTest, StartsInStateZeroAndShowsTheStateThatIsSet) {
    EXPECT_EQ(3, led.StateCount());
    EXPECT_EQ(0, led.State());
    led.SetBitmap(*SolidFace(4, 4, kRed), 1);
    led.SetState(1);
    EXPECT_EQ(1, led.State());
    EXPECT_EQ(kRed, Shown());
}

TEST_F(LedTest, SettingTheCurrentStateAgainDrawsNothing) {
    led.SetBitmap(*SolidFace(4, 4, kRed), 1);
    led.SetState(1);
    MarkLayer();
    led.SetState(1);
    EXPECT_EQ(kMarker, Shown());
}

TEST_F(LedTest, NewPictureRedrawsAtOnceOnlyInTheCurrentState) {
    led.SetBitmap(*SolidFace(4, 4, kRed), 1);
    led.SetState(1);
    repaints = 0;
    led.Bitmap(1).Assign(*SolidFace(4, 4, kGreen));
    EXPECT_EQ(kGreen, Shown());
    EXPECT_EQ(1, repaints);

    led.Bitmap(2).Assign(*SolidFace(4, 4, kBlue));
    EXPECT_EQ(kGreen, Shown());
    EXPECT_EQ(1, repaints);
    led.SetState(2);
    EXPECT_EQ(kBlue, Shown());
}

TEST_F(LedTest, EmptyStateBitmapDrawsNothing) {
    led.SetBitmap(*SolidFace(4, 4, kRed), 1);
    led.SetState(1);
    MarkLayer();
    led.SetState(0);
    EXPECT_EQ(0, led.State());
    EXPECT_EQ(kMarker, Shown());
    led.Redraw();
    EXPECT_EQ(kMarker, Shown());
}

TEST_F(LedTest, MovingShiftsTheLayerAndSizeIsThePicturesSize) {
    led.MoveBy(3, -2);
    EXPECT_EQ(3, led.Left());
    EXPECT_EQ(-2, led.Top());
    EXPECT_EQ(4, led.Width());
    EXPECT_EQ(4, led.Height());
}

TEST_F(LedTest, OutOfRangeIndexesAndZeroStatesAreProgrammingErrors) {
    auto condition = [](auto&& action) {
        try {
            action();
        } catch (const AssertionStop& stop) {
            return AssertedCondition(stop);
        }
        return std::string("no assertion");
    };
    EXPECT_EQ("state >= 0 && state < StateCount()", condition([&] { led.SetState(3); }));
    EXPECT_EQ("state >= 0 && state < StateCount()", condition([&] { led.SetState(-1); }));
    EXPECT_EQ("index < (int) m_bitmaps.size()", condition([&] { led.Bitmap(3); }));
    EXPECT_EQ("stateCount > 0", condition([] { kiln::TBmpLEDCtrl none(0, frame::PixelFormat::Bits24); }));
}

TEST(LedLayerFormat, FourBitScreensGetFourBitLayers) {
    EXPECT_EQ(frame::PixelFormat::Bits4, kiln::LayerPixelFormat(1));
    EXPECT_EQ(frame::PixelFormat::Bits4, kiln::LayerPixelFormat(4));
    EXPECT_EQ(frame::PixelFormat::Bits24, kiln::LayerPixelFormat(8));
    EXPECT_EQ(frame::PixelFormat::Bits24, kiln::LayerPixelFormat(32));

    kiln::TBmpLEDCtrl led(2, kiln::LayerPixelFormat(4));
    EXPECT_EQ(frame::PixelFormat::Bits4, led.Picture().Format());
    led.Picture().SetSize(2, 2);
    led.SetBitmap(*SolidFace(2, 2, RGB(255, 255, 255)), 1);
    led.SetState(1);
    EXPECT_EQ(RGB(255, 255, 255), led.Picture().PixelColor(0, 0));
}

}  // namespace
