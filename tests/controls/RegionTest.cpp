#include "kiln/Graphics/WinRegion.h"

#include "base/Handles.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace testing_controls;

namespace {

const COLORREF kKey = RGB(255, 0, 255);

RECT Box(const kiln::WinRegion& region) {
    RECT box{};
    GetRgnBox(region.Handle(), &box);
    return box;
}

bool Inside(const kiln::WinRegion& region, int x, int y) { return PtInRegion(region.Handle(), x, y) != 0; }

class RegionTest : public ::testing::Test {
protected:
    testsupport::ThrowingAsserts asserts;
};

TEST_F(RegionTest, PictureWithoutKeyPixelsGivesTheFullRectangle) {
    frame::Bitmap face(7, 5, frame::PixelFormat::Bits32);
    FillColor(face, RGB(10, 20, 30));
    kiln::WinRegion region;
    region.BuildFromBitmap(face.Handle(), kKey);
    RECT box = Box(region);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(7, box.right);
    EXPECT_EQ(5, box.bottom);
    base::GdiRegion full(CreateRectRgn(0, 0, 7, 5));
    EXPECT_TRUE(EqualRgn(full.Get(), region.Handle()));
}

TEST_F(RegionTest, PictureEntirelyInKeyColourGivesAnEmptyRegion) {
    frame::Bitmap face(6, 4, frame::PixelFormat::Bits24);
    FillColor(face, kKey);
    kiln::WinRegion region;
    region.BuildFromBitmap(face.Handle(), kKey);
    RECT box{};
    EXPECT_EQ(NULLREGION, GetRgnBox(region.Handle(), &box));
}

TEST_F(RegionTest, KeyComparisonIsExactAndIgnoresAlpha) {
    frame::Bitmap face(4, 1, frame::PixelFormat::Bits32);
    FillColor(face, RGB(1, 2, 3));
    SetPixelAt(face, 0, 0, kKey, 0);
    SetPixelAt(face, 1, 0, kKey, 255);
    SetPixelAt(face, 2, 0, RGB(254, 0, 255));
    kiln::WinRegion region;
    region.BuildFromBitmap(face.Handle(), kKey);
    EXPECT_FALSE(Inside(region, 0, 0));
    EXPECT_FALSE(Inside(region, 1, 0));
    EXPECT_TRUE(Inside(region, 2, 0));
    EXPECT_TRUE(Inside(region, 3, 0));
}

TEST_F(RegionTest, RunsAreCutOutRowByRowAndStopAtTheRightEdge) {
    // Row 0: key run in the middle; row 1: run to the right edge; row 2: none.
    frame::Bitmap face(5, 3, frame::PixelFormat::Bits24);
    FillColor(face, RGB(0, 0, 0));
    SetPixelAt(face, 1, 0, kKey);
    SetPixelAt(face, 2, 0, kKey);
    SetPixelAt(face, 3, 1, kKey);
    SetPixelAt(face, 4, 1, kKey);
    kiln::WinRegion region;
    region.BuildFromBitmap(face.Handle(), kKey);
    EXPECT_TRUE(Inside(region, 0, 0));
    EXPECT_FALSE(Inside(region, 1, 0));
    EXPECT_FALSE(Inside(region, 2, 0));
    EXPECT_TRUE(Inside(region, 3, 0));
    EXPECT_TRUE(Inside(region, 2, 1));
    EXPECT_FALSE(Inside(region, 3, 1));
    EXPECT_FALSE(Inside(region, 4, 1));
    // The region never grows past the picture.
    EXPECT_EQ(5, Box(region).right);
    for (int x = 0; x < 5; ++x) EXPECT_TRUE(Inside(region, x, 2)) << x;
}

TEST_F(RegionTest, BuildingLeavesThePicturesPixelFormatAndPixelsAlone) {
    frame::Bitmap face(3, 2, frame::PixelFormat::Bits32);
    FillColor(face, kKey, 77);
    kiln::WinRegion region;
    region.BuildFromBitmap(face.Handle(), kKey);
    BITMAP info{};
    GetObject(face.Handle(), sizeof info, &info);
    EXPECT_EQ(32, info.bmBitsPixel);
    EXPECT_EQ(kKey, PixelAt(face, 2, 1));
    EXPECT_EQ(77, kiln::ViewOf(face).Pixel(2, 1)[3]);
}

TEST_F(RegionTest, RectangleClearSubtractAndCopy) {
    kiln::WinRegion region;
    region.SetRect(0, 0, 10, 10);
    base::GdiRegion hole(CreateRectRgn(2, 2, 4, 4));
    region.Subtract(hole.Get());
    EXPECT_FALSE(Inside(region, 3, 3));
    base::GdiRegion copy = region.Copy();
    EXPECT_TRUE(EqualRgn(copy.Get(), region.Handle()));
    region.Clear();
    RECT box{};
    EXPECT_EQ(NULLREGION, GetRgnBox(region.Handle(), &box));
    // The copy is independent of the object it came from.
    EXPECT_TRUE(PtInRegion(copy.Get(), 1, 1));
}

TEST_F(RegionTest, ApplyGivesTheWindowACopyAndKeepsItsOwn) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    kiln::WinRegion region;
    region.SetRect(0, 0, 5, 5);
    EXPECT_NE(0, region.ApplyToWindow(window, false));
    base::GdiRegion windowRegion(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(SIMPLEREGION, GetWindowRgn(window, windowRegion.Get()));
    EXPECT_TRUE(EqualRgn(windowRegion.Get(), region.Handle()));
    DestroyWindow(window);
    // The object's own region survived the window's copy being destroyed.
    EXPECT_TRUE(Inside(region, 4, 4));
}

TEST_F(RegionTest, CombineFailureIsReportedAsAnAssertion) {
    try {
        kiln::WinRegion::Combine(nullptr, nullptr, nullptr, RGN_OR);
        FAIL() << "no assertion";
    } catch (const AssertionStop& stop) {
        EXPECT_EQ("combineResult != ERROR", AssertedCondition(stop));
        EXPECT_NE(std::string::npos, std::string(stop.what()).find("kiln/Graphics/Source/WinRegion"));
    }
}

}  // namespace
