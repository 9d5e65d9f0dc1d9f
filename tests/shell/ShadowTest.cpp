#include "app/Shadow.h"

#include "ShellFiles.h"
#include "tests/support/ChildProcess.h"
#include "app/Main.h"
#include "frame/Image.h"

#include <gtest/gtest.h>

namespace {

using shelltest::ShadowSizes;

TEST(BlackenShadowImage, KeepsAlphaAndTurnsEveryColourBlack) {
    const std::string name = "blacken_test.png";
    shelltest::WritePng(testsupport::TestFolder() + "Resource\\" + name, 3, 1,
                        {200, 100, 50, 128, 255, 0, 0, 0, 10, 20, 30, 255});
    frame::Bitmap bitmap;
    BlackenShadowImage(bitmap, name);
    ASSERT_EQ(frame::PixelFormat::Bits32, bitmap.Format());
    ASSERT_EQ(3, bitmap.Width());
    const uint8_t* row = bitmap.ScanLine(0);
    const std::vector<uint8_t> blackened{0, 0, 0, 128, 0, 0, 0, 0, 0, 0, 0, 255};
    EXPECT_EQ(blackened, std::vector<uint8_t>(row, row + 12));

    // Kept as a mask, the picture comes back the same, over whatever the
    // bitmap held.
    kiln::ShadowMask mask;
    mask.Load(name);
    frame::Bitmap shown(5, 5, frame::PixelFormat::Bits24);
    shown.Canvas().FillRect(RECT{0, 0, 5, 5});
    mask.Fill(shown);
    ASSERT_EQ(frame::PixelFormat::Bits32, shown.Format());
    ASSERT_EQ(3, shown.Width());
    EXPECT_EQ(blackened, std::vector<uint8_t>(shown.ScanLine(0), shown.ScanLine(0) + 12));
}

class ShadowFormTest : public ::testing::Test {
protected:
    void TearDown() override { ShadowForm->ShowSmallShadow(); }

    static SIZE ClientSize() { return SIZE{ShadowForm->ClientWidth(), ShadowForm->ClientHeight()}; }
};

TEST_F(ShadowFormTest, EachLayoutTakesItsPictureAndSize) {
    ShadowForm->ShowBigShadow();
    EXPECT_EQ(ShadowSizes::bigWidth, ClientSize().cx);
    EXPECT_EQ(ShadowSizes::bigHeight, ClientSize().cy);
    ShadowForm->ShowSmallShadow();
    EXPECT_EQ(ShadowSizes::smallWidth, ClientSize().cx);
    EXPECT_EQ(ShadowSizes::smallHeight, ClientSize().cy);
}

TEST_F(ShadowFormTest, MiddlePictureIsReadOnFirstUseOnly) {
    ShadowForm->ShowMiddleShadow();
    EXPECT_EQ(ShadowSizes::middleWidth, ClientSize().cx);
    const std::string path = testsupport::TestFolder() + "Resource\\big_shadow003.png";
    shelltest::WriteFlatPng(path, 7, 7, 0x000000FF);
    ShadowForm->ShowBigShadow();
    ShadowForm->ShowMiddleShadow();
    EXPECT_EQ(ShadowSizes::middleWidth, ClientSize().cx);
    EXPECT_EQ(ShadowSizes::middleHeight, ClientSize().cy);
    shelltest::WriteFlatPng(path, ShadowSizes::middleWidth, ShadowSizes::middleHeight, 0x40404080);
}

TEST_F(ShadowFormTest, ShadowIsAClickThroughLayeredPopupOwnedByTheMainWindow) {
    HWND shadow = ShadowForm->Handle();
    EXPECT_EQ(MainForm->Handle(), GetWindow(shadow, GW_OWNER));
    EXPECT_TRUE(GetWindowLongA(shadow, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(WS_EX_LAYERED | WS_EX_TRANSPARENT,
              GetWindowLongA(shadow, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
}

TEST_F(ShadowFormTest, ClicksOnTheVisibleShadowReachTheWindowBelow) {
    HWND below = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 500, 400, 200, 200, nullptr,
                                 nullptr, nullptr, nullptr);
    ShadowForm->SetBounds(520, 420, ShadowForm->Width(), ShadowForm->Height());
    SetWindowPos(ShadowForm->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    EXPECT_EQ(below, WindowFromPoint(POINT{530, 430}));
    ShowWindow(ShadowForm->Handle(), SW_HIDE);
    SetWindowPos(ShadowForm->Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(below);
}

}  // namespace
