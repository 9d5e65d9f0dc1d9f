#include "kiln/widget/PerPixelLayeredWindow.h"

#include "WidgetTestSupport.h"
#include "tests/support/ColourWindow.h"
#include "tests/support/MessagePump.h"
#include "frame/DCScope.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using testsupport::ColourWindow;

constexpr DWORD kTopmost = WS_EX_TOPMOST | WS_EX_NOACTIVATE;

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 3 && std::abs(GetGValue(a) - GetGValue(b)) <= 3 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 3;
}

// The screen's colour at a point, read again until it is near `expected`
// or the display has had ample time to settle.
COLORREF ScreenPixel(POINT at, COLORREF expected) {
    COLORREF seen = CLR_INVALID;
    for (int i = 0; i < 100; ++i) {
        testsupport::PumpMessages();
        seen = GetPixel(frame::WindowDC(nullptr).Get(), at.x, at.y);
        if (Near(seen, expected)) break;
        Sleep(20);
    }
    return seen;
}

// A 32-bit picture: left half black at alpha 128 (premultiplied), right
// half fully transparent.
void PaintShadow(frame::Bitmap& bitmap, int width, int height) {
    bitmap.SetPixelFormat(frame::PixelFormat::Bits32);
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            row[4 * x] = row[4 * x + 1] = row[4 * x + 2] = 0;
            row[4 * x + 3] = x < width / 2 ? 128 : 0;
        }
    }
    bitmap.Changed();
}

constexpr RECT kArea{600, 100, 700, 160};

TEST(PerPixelLayeredWindow, BlackWithHalfAlphaDarkensWhatLiesBelowAndClicksFallThrough) {
    ColourWindow below(kArea, RGB(255, 255, 255), kTopmost);
    below.Show();
    ColourWindow shadow(kArea, RGB(255, 0, 0), kTopmost);
    frame::Bitmap picture;
    PaintShadow(picture, 100, 60);
    kiln::TPerPixelLayeredWindowMaker maker;
    maker.SetClickThrough(true);
    maker.SetUseConstantAlpha(true);
    maker.Apply(shadow.Get(), picture);
    shadow.Show();
    EXPECT_EQ(WS_EX_LAYERED | WS_EX_TRANSPARENT,
              GetWindowLongA(shadow.Get(), GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT));

    // Windows blends to mid grey; Wine's screen reads give the picture's own
    // black. Either way the shadow, not the window's own red, is shown, and
    // it is darker than what lies below.
    const COLORREF half = ScreenPixel(POINT{kArea.left + 10, kArea.top + 10}, RGB(127, 127, 127));
    EXPECT_LT(GetRValue(half), 200);
    EXPECT_EQ(GetRValue(half), GetGValue(half));
    EXPECT_EQ(GetRValue(half), GetBValue(half));
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(white, ScreenPixel(POINT{kArea.left + 80, kArea.top + 10}, white));
    EXPECT_EQ(below.Get(), WindowFromPoint(POINT{kArea.left + 10, kArea.top + 10}));
}

TEST(PerPixelLayeredWindow, OpaquePictureWithColourKeyLetsTheKeyThrough) {
    ColourWindow below(kArea, RGB(0, 200, 0), kTopmost);
    below.Show();
    ColourWindow top(kArea, RGB(255, 255, 255), kTopmost);
    frame::Bitmap picture;
    widgettest::PaintPicture(picture, 100, 60, RGB(0, 0, 200), RGB(255, 0, 255), RECT{50, 0, 100, 60});
    kiln::TPerPixelLayeredWindowMaker maker;
    maker.SetColorKey(RGB(255, 0, 255));
    maker.SetUseColorKey(true);
    maker.Apply(top.Get(), picture);
    top.Show();

    const COLORREF blue = RGB(0, 0, 200), green = RGB(0, 200, 0);
    EXPECT_EQ(blue, ScreenPixel(POINT{kArea.left + 10, kArea.top + 10}, blue));
    EXPECT_EQ(green, ScreenPixel(POINT{kArea.left + 80, kArea.top + 10}, green));
}

TEST(PerPixelLayeredWindow, NeitherKeyNorAlphaLeavesAnOrdinaryWindow) {
    ColourWindow window(kArea, RGB(255, 255, 255), kTopmost);
    SetWindowLongA(window.Get(), GWL_EXSTYLE, GetWindowLongA(window.Get(), GWL_EXSTYLE) | WS_EX_LAYERED);
    frame::Bitmap picture;
    widgettest::PaintPicture(picture, 10, 10, RGB(1, 2, 3), RGB(1, 2, 3), RECT{0, 0, 0, 0});
    kiln::TPerPixelLayeredWindowMaker maker;
    maker.Apply(window.Get(), picture);
    EXPECT_EQ(0, GetWindowLongA(window.Get(), GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
}

}  // namespace
