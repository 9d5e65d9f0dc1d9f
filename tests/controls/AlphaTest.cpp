#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuImage.h"

#include "ControlSupport.h"
#include "FaceSupport.h"

using namespace testing_controls;

namespace {

const COLORREF kBackground = RGB(10, 100, 200);

void SetPixel32(frame::Bitmap& bitmap, int x, int y, COLORREF color, BYTE alpha) {
    std::uint8_t* p = bitmap.ScanLine(y) + x * 4;
    p[0] = GetBValue(color);
    p[1] = GetGValue(color);
    p[2] = GetRValue(color);
    p[3] = alpha;
    bitmap.Changed();
}

class LuImageTest : public ::testing::Test {
protected:
    testsupport::ThrowingAsserts asserts;
    void SetUp() override {
        target = SolidFace(4, 4, kBackground);
        picture = std::make_unique<frame::Bitmap>(4, 4, frame::PixelFormat::Bits32);
        SetPixel32(*picture, 0, 0, RGB(255, 255, 255), 255);
        SetPixel32(*picture, 1, 0, RGB(0, 0, 0), 0);
        SetPixel32(*picture, 2, 0, RGB(0, 0, 0), 255);
    }
    COLORREF PaintedAt(int x, int y) {
        image.Paint(target->Canvas());
        return target->PixelColor(x, y);
    }
    kiln::LuImage image;
    std::unique_ptr<frame::Bitmap> target;
    std::unique_ptr<frame::Bitmap> picture;
};

TEST_F(LuImageTest, PictureAlphaAppliesOnlyWithAlphaChannel) {
    image.SetPicture(*picture);
    EXPECT_EQ(4, image.Width());  // auto-sized to the picture
    EXPECT_EQ(RGB(0, 0, 0), PaintedAt(1, 0));
    image.SetAlphaChannel(true);
    target = SolidFace(4, 4, kBackground);
    EXPECT_EQ(kBackground, PaintedAt(1, 0));
    EXPECT_EQ(RGB(255, 255, 255), PaintedAt(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), PaintedAt(2, 0));
}

TEST_F(LuImageTest, OverallOpacityZeroLeavesTheBackground) {
    image.SetPicture(*picture);
    image.SetAlphaChannel(true);
    image.SetAlphaValue(0);
    EXPECT_EQ(RGB(255, 255, 255), PaintedAt(0, 0));  // AlphaBlend off: own alpha only
    target = SolidFace(4, 4, kBackground);
    image.SetAlphaBlend(true);
    EXPECT_EQ(kBackground, PaintedAt(0, 0));
    EXPECT_EQ(kBackground, PaintedAt(2, 0));
    image.SetAlphaValue(255);
    EXPECT_EQ(RGB(255, 255, 255), PaintedAt(0, 0));
}

TEST_F(LuImageTest, TwentyFourBitPictureDrawsOpaque) {
    image.SetPicture(*SolidFace(4, 4, RGB(1, 2, 3)));
    image.SetAlphaChannel(true);
    image.SetAlphaBlend(true);
    image.SetAlphaValue(0);
    EXPECT_EQ(RGB(1, 2, 3), PaintedAt(3, 3));
}

TEST_F(LuImageTest, EmptyPictureOrSizeDrawsNothing) {
    EXPECT_EQ(kBackground, PaintedAt(0, 0));
    image.SetAutoSize(false);
    image.SetPicture(*picture);
    image.SetBounds(0, 0, 0, 4);
    EXPECT_EQ(kBackground, PaintedAt(0, 0));
}

class AlphaButtonTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        background = std::make_unique<frame::Bitmap>(100, 60, frame::PixelFormat::Bits24);
        PaintBackground(RGB(0, 0, 0));
    }
    void PaintBackground(COLORREF color) {
        frame::Canvas& canvas = background->Canvas();
        canvas.Brush().color = color;
        canvas.FillRect(RECT{0, 0, 100, 60});
        canvas.Brush().color = RGB(200, 0, 0);
        canvas.FillRect(RECT{50, 0, 100, 60});
    }
    std::unique_ptr<frame::Bitmap> background;
};

TEST_F(AlphaButtonTest, FacesAreBlendedOverTheBackgroundWhereTheButtonIs) {
    auto* button = Add<kiln::AlphaButton>(10, 10, 10, 10, *background);
    frame::Bitmap& raised = button->Source(0);
    raised.SetSize(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) SetPixel32(raised, x, y, RGB(0, 0, 250), 128);
    button->Recompose();
    // Over black: 250 * 128/255 = 125.49.
    EXPECT_EQ(RGB(0, 0, 125), button->Face(0).PixelColor(3, 3));
    ASSERT_EQ(32, button->Face(0).BitsPerPixel());
    EXPECT_EQ(0, button->Face(0).ScanLine(3)[3 * 4 + 3]);  // the faces carry no alpha
    EXPECT_TRUE(button->Face(1).Empty());  // no source, face untouched

    // Same place: nothing is blended again, even though the picture changed.
    PaintBackground(RGB(0, 0, 250));
    button->SetBounds(10, 10, 10, 10);
    EXPECT_EQ(RGB(0, 0, 125), button->Face(0).PixelColor(3, 3));

    // Moved onto the red half: blended against red.
    button->SetBounds(60, 10, 10, 10);
    EXPECT_EQ(RGB(99, 0, 125), button->Face(0).PixelColor(3, 3));
    EXPECT_EQ(60, button->Left());
}

}  // namespace
