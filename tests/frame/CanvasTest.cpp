#include "base/Handles.h"
#include "frame/Bitmap.h"
#include "frame/Canvas.h"
#include "frame/DCScope.h"

#include <gtest/gtest.h>

namespace {

struct Selection {
    HGDIOBJ font, pen, brush, bitmap;
    bool operator==(const Selection&) const = default;
};

Selection Current(HDC dc) {
    return Selection{GetCurrentObject(dc, OBJ_FONT), GetCurrentObject(dc, OBJ_PEN), GetCurrentObject(dc, OBJ_BRUSH),
                     GetCurrentObject(dc, OBJ_BITMAP)};
}

TEST(CanvasTest, EveryOperationLeavesTheDCWithWhatItHeldBefore) {
    base::MemoryDC dc(CreateCompatibleDC(nullptr));
    frame::Bitmap pixels(40, 40, frame::PixelFormat::Bits24);
    frame::SelectObjectScope selectPixels(dc.Get(), pixels.Handle());
    const Selection before = Current(dc.Get());

    frame::Canvas canvas(dc.Get());
    canvas.Font().SetName("Arial");
    canvas.Font().SetHeight(-20);
    canvas.Font().SetBold(true);
    canvas.Pen().width = 3;
    canvas.TextOut(0, 0, "Abc");
    RECT rect{0, 0, 40, 40};
    canvas.DrawText("Abc", rect, DT_CENTER);
    canvas.TextExtent("Abc");
    canvas.Rectangle(RECT{1, 1, 30, 30});
    canvas.FillRect(RECT{0, 0, 5, 5});
    frame::Bitmap sprite(4, 4, frame::PixelFormat::Bits32);
    canvas.Draw(2, 2, sprite);
    canvas.StretchDraw(RECT{0, 0, 8, 8}, sprite);
    EXPECT_EQ(Current(dc.Get()), before);
}

TEST(CanvasTest, TextUsesTheFontColourAndAClearBrushKeepsTheBackground) {
    frame::Bitmap bitmap(60, 30, frame::PixelFormat::Bits24);
    frame::Canvas& canvas = bitmap.Canvas();
    canvas.Brush().color = RGB(0, 0, 255);
    canvas.FillRect(RECT{0, 0, 60, 30});
    canvas.Brush().style = frame::Brush::Style::Clear;
    canvas.Font().SetColor(RGB(255, 255, 255));
    canvas.Font().SetHeight(-24);
    canvas.TextOut(0, 0, "MMM");
    int white = 0, blue = 0, other = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            COLORREF c = bitmap.PixelColor(x, y);
            if (c == RGB(255, 255, 255)) ++white;
            else if (c == RGB(0, 0, 255)) ++blue;
            else ++other;
        }
    EXPECT_GT(white, 20);
    EXPECT_GT(blue, 600) << "no opaque text background";
}

TEST(CanvasTest, CopyRectUsesTheCopyMode) {
    frame::Bitmap source(2, 2, frame::PixelFormat::Bits24);
    source.Canvas().Brush().color = RGB(0xF0, 0x0F, 0x00);
    source.Canvas().FillRect(RECT{0, 0, 2, 2});
    frame::Bitmap target(2, 2, frame::PixelFormat::Bits24);
    target.Canvas().Brush().color = RGB(0x0F, 0x0F, 0xFF);
    target.Canvas().FillRect(RECT{0, 0, 2, 2});
    target.Canvas().SetCopyMode(SRCPAINT);
    target.Canvas().CopyRect(RECT{0, 0, 1, 1}, source.Canvas(), RECT{0, 0, 1, 1});
    EXPECT_EQ(target.PixelColor(0, 0), RGB(0xFF, 0x0F, 0xFF));
    EXPECT_EQ(target.PixelColor(1, 1), RGB(0x0F, 0x0F, 0xFF));
}

TEST(FontTest, ChangesNotifyAndRenewTheHandle) {
    frame::Font font;
    int changes = 0;
    font.OnChange = [&](frame::Font&) { ++changes; };
    font.SetName("Arial");
    font.SetName("Arial");
    font.SetHeight(-15);
    font.SetBold(true);
    font.SetColor(RGB(1, 2, 3));
    EXPECT_EQ(changes, 4);
    LOGFONTA lf = {};
    GetObjectA(font.Handle(), sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfHeight, -15);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    frame::Font copy;
    copy.Assign(font);
    EXPECT_TRUE(copy.SameAs(font));
}

}  // namespace
