#include "kiln/widget/LayeredWindowMaker.h"

#include "kiln/widget/LayeredStyle.h"

#include <gtest/gtest.h>

namespace {

class PlainWindow {
public:
    explicit PlainWindow(DWORD exStyle = 0) {
        m_window = CreateWindowExW(exStyle, L"STATIC", L"", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr,
                                   nullptr, nullptr);
    }
    ~PlainWindow() { DestroyWindow(m_window); }
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;
    HWND Get() const { return m_window; }
    LONG ExStyle() const { return GetWindowLongW(m_window, GWL_EXSTYLE); }

private:
    HWND m_window;
};

TEST(LayeredStyles, ChangeOnlyTheTwoBitsAndReportWhetherAnythingChanged) {
    PlainWindow window(WS_EX_TOOLWINDOW);
    EXPECT_TRUE(kiln::SetLayeredStyles(window.Get(), true, true));
    EXPECT_EQ(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW,
              window.ExStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW));
    EXPECT_FALSE(kiln::SetLayeredStyles(window.Get(), true, true));
    EXPECT_TRUE(kiln::SetLayeredStyles(window.Get(), false, true));
    EXPECT_EQ(WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW,
              window.ExStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW));
}

TEST(LayeredWindowMaker, ColourKeyMakesTheWindowLayeredWithThatKey) {
    kiln::LayeredWindowMaker maker;
    ASSERT_TRUE(maker.IsEnabled());
    EXPECT_EQ(0xFFFFFFu, maker.ColorKey());
    maker.SetColorKey(frame::colors::Window);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), maker.ColorKey());
    maker.SetColorKey(0x12FF00FF);
    EXPECT_EQ(0xFF00FFu, maker.ColorKey());
    maker.SetUseColorKey(true);
    PlainWindow window;
    maker.Apply(window.Get());
    EXPECT_EQ(WS_EX_LAYERED, window.ExStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window.Get(), &key, &alpha, &flags));
    EXPECT_EQ(RGB(255, 0, 255), key);
    EXPECT_EQ(DWORD(LWA_COLORKEY), flags);
}

TEST(LayeredWindowMaker, ConstantAlphaAndClickThroughTogether) {
    kiln::LayeredWindowMaker maker;
    maker.SetUseConstantAlpha(true);
    maker.SetConstantAlpha(100);
    maker.SetClickThrough(true);
    PlainWindow window;
    maker.Apply(window.Get());
    EXPECT_EQ(WS_EX_LAYERED | WS_EX_TRANSPARENT, window.ExStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window.Get(), &key, &alpha, &flags));
    EXPECT_EQ(100, alpha);
    EXPECT_EQ(DWORD(LWA_ALPHA), flags);
}

TEST(LayeredWindowMaker, NothingToApplyOrRemoveDropsTheLayeredStyle) {
    PlainWindow window(WS_EX_LAYERED | WS_EX_TRANSPARENT);
    kiln::LayeredWindowMaker maker;
    maker.SetClickThrough(true);
    maker.Apply(window.Get());
    EXPECT_EQ(WS_EX_TRANSPARENT, window.ExStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
    maker.Remove(window.Get());
    EXPECT_EQ(0, window.ExStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT));
}

}  // namespace
