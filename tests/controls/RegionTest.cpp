#include "kiln/Graphics/WinRegion.h"

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
    void SetUp() override { ThrowOnAssert(); }
};

TEST_F(RegionTest, PictureWithoutKeyPixelsGivesTheFullRectangle) {
    kiln::DibSection face(7, 5, 32);
    FillColor(face, RGB(10, 20, 30));
    kiln::WinRegion region;
    region.BuildFromBitmap(face.Handle(), kKey);
    RECT box = Box(region);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(7, box.right);
    EXPECT_EQ(5, box.bottom);
    HRGN full = CreateRectRgn(0, 0, 7, 5);
    EXPECT_TRUE(EqualRgn(full, region.Handle()));
    DeleteObject(full);
}

TEST_F(RegionTest, PictureEntirelyInKeyColourGivesAnEmptyRegion) {
    kiln::DibSection face(6, 4, 24);
    FillColor(face, kKey);
    kiln::WinRegion region;
    region.BuildFromBitmap(face.Handle(), kKey);
    RECT box{};
    EXPECT_EQ(NULLREGION, GetRgnBox(region.Handle(), &box));
}

TEST_F(RegionTest, KeyComparisonIsExactAndIgnoresAlpha) {
    kiln::DibSection face(4, 1, 32);
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
    kiln::DibSection face(5, 3, 24);
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
    kiln::DibSection face(3, 2, 32);
    FillColor(face, kKey, 77);
    kiln::WinRegion region;
    region.BuildFromBitmap(face.Handle(), kKey);
    BITMAP info{};
    GetObject(face.Handle(), sizeof info, &info);
    EXPECT_EQ(32, info.bmBitsPixel);
    EXPECT_EQ(kKey, PixelAt(face, 2, 1));
    EXPECT_EQ(77, face.View().Pixel(2, 1)[3]);
}

TEST_F(RegionTest, RectangleClearSubtractAndCopy) {
    kiln::WinRegion region;
    region.SetRect(0, 0, 10, 10);
    HRGN hole = CreateRectRgn(2, 2, 4, 4);
    region.Subtract(hole);
    DeleteObject(hole);
    EXPECT_FALSE(Inside(region, 3, 3));
    HRGN copy = region.Copy();
    EXPECT_TRUE(EqualRgn(copy, region.Handle()));
    region.Clear();
    RECT box{};
    EXPECT_EQ(NULLREGION, GetRgnBox(region.Handle(), &box));
    // The copy is independent of the object it came from.
    EXPECT_TRUE(PtInRegion(copy, 1, 1));
    DeleteObject(copy);
}

TEST_F(RegionTest, ApplyGivesTheWindowACopyAndKeepsItsOwn) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    kiln::WinRegion region;
    region.SetRect(0, 0, 5, 5);
    EXPECT_NE(0, region.ApplyToWindow(window, false));
    HRGN windowRegion = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(SIMPLEREGION, GetWindowRgn(window, windowRegion));
    EXPECT_TRUE(EqualRgn(windowRegion, region.Handle()));
    DestroyWindow(window);
    // The object's own region survived the window's copy being destroyed.
    EXPECT_TRUE(Inside(region, 4, 4));
    DeleteObject(windowRegion);
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
