#include "kiln/Graphics/Blend.h"
#include "kiln/Graphics/FaceComposition.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testing_controls;

namespace {

class BlendTest : public ::testing::Test {
protected:
    testsupport::ThrowingAsserts asserts;
    frame::Bitmap source{4, 4, frame::PixelFormat::Bits32};
    frame::Bitmap destination{4, 4, frame::PixelFormat::Bits24};
    const RECT whole{0, 0, 4, 4};
};

TEST_F(BlendTest, OpaqueSourceReplacesAndTransparentSourceLeavesTheDestination) {
    FillColor(destination, RGB(17, 99, 201));
    FillColor(source, RGB(250, 3, 128), 0);
    SetPixelAt(source, 1, 1, RGB(250, 3, 128), 255);
    kiln::Blend(kiln::ViewOf(source), whole, kiln::ViewOf(destination), 0, 0, 255);
    EXPECT_EQ(RGB(250, 3, 128), PixelAt(destination, 1, 1));
    EXPECT_EQ(RGB(17, 99, 201), PixelAt(destination, 0, 0));
    EXPECT_EQ(RGB(17, 99, 201), PixelAt(destination, 3, 3));
}

TEST_F(BlendTest, PartialAlphaAndOpacityMixWithTruncation) {
    FillColor(destination, RGB(0, 100, 255));
    FillColor(source, RGB(255, 200, 0), 128);
    kiln::Blend(kiln::ViewOf(source), whole, kiln::ViewOf(destination), 0, 0, 255);
    // a = 128/255: 255*a = 128, 100*(1-a) + 200*a = 150.19 and 255*(1-a) =
    // 127, the same in both builds (doubles, no x87 extended precision).
    EXPECT_EQ(RGB(128, 150, 127), PixelAt(destination, 2, 2));

    FillColor(destination, RGB(0, 0, 0));
    FillColor(source, RGB(255, 255, 255), 255);
    kiln::Blend(kiln::ViewOf(source), whole, kiln::ViewOf(destination), 0, 0, 51);
    EXPECT_EQ(RGB(51, 51, 51), PixelAt(destination, 0, 0));
}

TEST_F(BlendTest, ZeroOpacityLeavesTheDestinationAndItsAlphaBytes) {
    frame::Bitmap target(4, 4, frame::PixelFormat::Bits32);
    FillColor(target, RGB(5, 6, 7), 33);
    FillColor(source, RGB(200, 200, 200), 255);
    kiln::Blend(kiln::ViewOf(source), whole, kiln::ViewOf(target), 0, 0, 0);
    EXPECT_EQ(RGB(5, 6, 7), PixelAt(target, 3, 0));
    kiln::Blend(kiln::ViewOf(source), whole, kiln::ViewOf(target), 0, 0, 255);
    EXPECT_EQ(RGB(200, 200, 200), PixelAt(target, 3, 0));
    EXPECT_EQ(33, kiln::ViewOf(target).Pixel(3, 0)[3]);
}

TEST_F(BlendTest, OffsetsPlaceTheSourceAndClipAtEveryEdge) {
    FillColor(destination, RGB(0, 0, 0));
    FillColor(source, RGB(0, 0, 0), 255);
    SetPixelAt(source, 0, 0, RGB(255, 0, 0), 255);
    SetPixelAt(source, 3, 3, RGB(0, 255, 0), 255);
    kiln::Blend(kiln::ViewOf(source), whole, kiln::ViewOf(destination), 3, 3, 255);
    EXPECT_EQ(RGB(255, 0, 0), PixelAt(destination, 3, 3));
    kiln::Blend(kiln::ViewOf(source), whole, kiln::ViewOf(destination), -3, -3, 255);
    EXPECT_EQ(RGB(0, 255, 0), PixelAt(destination, 0, 0));
    // Entirely outside: nothing happens, nothing asserts.
    FillColor(destination, RGB(9, 9, 9));
    kiln::Blend(kiln::ViewOf(source), whole, kiln::ViewOf(destination), 10, 0, 255);
    EXPECT_EQ(RGB(9, 9, 9), PixelAt(destination, 0, 0));
}

TEST_F(BlendTest, SourceRectangleSelectsThePartThatIsDrawn) {
    FillColor(destination, RGB(0, 0, 0));
    FillColor(source, RGB(0, 0, 0), 0);
    SetPixelAt(source, 2, 1, RGB(1, 2, 3), 255);
    kiln::Blend(kiln::ViewOf(source), RECT{2, 1, 4, 3}, kiln::ViewOf(destination), 0, 0, 255);
    EXPECT_EQ(RGB(1, 2, 3), PixelAt(destination, 0, 0));
}

TEST_F(BlendTest, SourceSmallerThanItsRectangleIsAProgrammingError) {
    frame::Bitmap small(2, 2, frame::PixelFormat::Bits32);
    try {
        kiln::Blend(kiln::ViewOf(small), whole, kiln::ViewOf(destination), 0, 0, 255);
        FAIL() << "no assertion";
    } catch (const AssertionStop& stop) {
        EXPECT_EQ("maxRow <= src->Height && maxCol <= src->Width", AssertedCondition(stop));
    }
}

TEST_F(BlendTest, ComposedFaceIsOpaqueOverWhatLiesBelowItsPlace) {
    frame::Bitmap background(6, 3, frame::PixelFormat::Bits24);
    FillColor(background, RGB(10, 20, 30));
    SetPixelAt(background, 4, 1, RGB(200, 0, 0));
    frame::Bitmap face(3, 2, frame::PixelFormat::Bits32);
    FillColor(face, RGB(0, 0, 255), 0);
    SetPixelAt(face, 0, 0, RGB(0, 0, 255), 255);
    frame::Bitmap composed = kiln::ComposeOverBackground(face, background, 4, 1);
    ASSERT_EQ(frame::PixelFormat::Bits32, composed.Format());
    EXPECT_EQ(RGB(0, 0, 255), PixelAt(composed, 0, 0));
    EXPECT_EQ(RGB(10, 20, 30), PixelAt(composed, 1, 0));
    EXPECT_EQ(RGB(10, 20, 30), PixelAt(composed, 0, 1));
    // Beyond the background's right edge there is only black to blend over.
    EXPECT_EQ(RGB(0, 0, 0), PixelAt(composed, 2, 0));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(0, composed.ScanLine(y)[x * 4 + 3]);
    EXPECT_EQ(frame::PixelFormat::Bits24, background.Format());
}

}  // namespace
