// The window's states on boards that call for each: compact, expanded on
// either page, the Apply and Undo row of each window size, the CPU Ratio
// page's tab, bars and notice, and the compact area's sliders. Each test
// suite runs on the board its name says (the test run sets it).

#include "tests/controller/InProcessProgram.h"

#include "app/Shadow.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "kiln/Component/LuImage.h"
#include "kiln/Component/LuRadioButtonTx.h"

#include <gtest/gtest.h>

namespace controllertest {
namespace {

class Layouts : public InProcessProgram {
protected:
    static int RowTop() { return Layout().ApplyButton()->Top(); }
    void Expand() {
        if (!Layout().MoreSetting()->GetChecked()) Click(*Layout().MoreSetting());
    }
    void Collapse() {
        if (Layout().MoreSetting()->GetChecked()) Click(*Layout().MoreSetting());
    }
    static bool RatioPageShows() {
        return Window().CoreBk()->Visible() && Layout().DisabledNotice()->Visible();
    }
    static bool AdvancePageShows() { return Find<kiln::LuImage>("SeparatorLine").Visible(); }
    static bool ShowsBackground(frame::Image* expected) {
        frame::Bitmap& shown = Window().Background()->Picture();
        frame::Bitmap& wanted = expected->Picture();
        const int y = wanted.Height() - 20;
        // The three backgrounds differ below the compact area.
        return shown.PixelColor(300, y) == wanted.PixelColor(300, y) &&
               shown.PixelColor(300, 470) == wanted.PixelColor(300, 470);
    }
};

using DefaultBoardLayout = Layouts;
using CompactPageLayout = Layouts;
using NoRatioLayout = Layouts;
using RatioLockedLayout = Layouts;
using MissingSlotLayout = Layouts;

TEST_F(DefaultBoardLayout, CompactThenEachPageAndBackToTheChosenPage) {
    EXPECT_FALSE(Layout().IsExpanded());
    EXPECT_EQ(RowTop(), VeltruneLayout::kCompactRowTop);
    EXPECT_EQ(Layout().UndoButton()->Top(), VeltruneLayout::kCompactRowTop);
    EXPECT_TRUE(ShowsBackground(Window().SmallBk()));
    EXPECT_FALSE(Layout().AdvanceTab()->Visible());
    EXPECT_FALSE(AdvancePageShows());
    EXPECT_FALSE(RatioPageShows());

    Expand();
    EXPECT_TRUE(Layout().IsExpanded());
    EXPECT_TRUE(Layout().AdvanceTab()->Visible());
    ASSERT_NE(Layout().RatioTab(), nullptr);
    EXPECT_TRUE(Layout().RatioTab()->Visible());
    EXPECT_TRUE(AdvancePageShows());
    EXPECT_FALSE(RatioPageShows());
    // Second-group items on this board: the large window on both pages.
    EXPECT_EQ(RowTop(), VeltruneLayout::kLargeRowTop);
    EXPECT_TRUE(ShowsBackground(Window().LargeBk()));

    Click(*Layout().RatioTab());
    EXPECT_TRUE(RatioPageShows());
    EXPECT_FALSE(AdvancePageShows());
    EXPECT_EQ(RowTop(), VeltruneLayout::kLargeRowTop);
    for (AdvRatioBar* bar : Layout().RatioBars()) EXPECT_TRUE(bar->Visible());

    Collapse();
    EXPECT_EQ(RowTop(), VeltruneLayout::kCompactRowTop);
    EXPECT_FALSE(RatioPageShows());
    EXPECT_FALSE(Layout().RatioTab()->Visible());
    Expand();
    EXPECT_TRUE(RatioPageShows()) << "the chosen tab survives collapsing";
    Click(*Layout().AdvanceTab());
    EXPECT_TRUE(AdvancePageShows());
}

TEST_F(DefaultBoardLayout, FourSlidersAtTheirPitchAndOneRatioBarPerCore) {
    const std::vector<AdvBar*>& bars = Layout().AllBars();
    ASSERT_GE(bars.size(), 4u);
    for (int n = 0; n < 4; ++n) EXPECT_EQ(bars[n]->Top(), 94 + 28 * n) << n;
    ASSERT_EQ(Layout().RatioBars().size(), 4u);
    EXPECT_EQ(Layout().BarsByItem().at(0x030C0013), Layout().RatioBars().front());
    EXPECT_EQ(Layout().DisabledNotice()->Caption(), "");
}

TEST_F(CompactPageLayout, TheAdvancePageFitsTheMiddleWindowTheRatioPageTheLarge) {
    Expand();
    EXPECT_TRUE(AdvancePageShows());
    EXPECT_EQ(RowTop(), VeltruneLayout::kMiddleRowTop);
    EXPECT_TRUE(ShowsBackground(Window().MiddleBk()));
    Click(*Layout().RatioTab());
    EXPECT_EQ(RowTop(), VeltruneLayout::kLargeRowTop);
    EXPECT_TRUE(ShowsBackground(Window().LargeBk()));
    Click(*Layout().AdvanceTab());
    EXPECT_EQ(RowTop(), VeltruneLayout::kMiddleRowTop);
    Collapse();
    EXPECT_EQ(RowTop(), VeltruneLayout::kCompactRowTop);
}

TEST_F(NoRatioLayout, NoRatioTabNoBarsAndTheAdvancePageAlways) {
    EXPECT_EQ(Layout().RatioTab(), nullptr);
    EXPECT_TRUE(Layout().RatioBars().empty());
    EXPECT_EQ(Layout().DisabledNotice()->Caption(), "");
    Expand();
    EXPECT_TRUE(AdvancePageShows());
    EXPECT_FALSE(RatioPageShows());
}

TEST_F(RatioLockedLayout, LockedRatioShowsDisabledBarsAndTheNotice) {
    ASSERT_FALSE(Layout().RatioBars().empty());
    for (AdvRatioBar* bar : Layout().RatioBars()) EXPECT_FALSE(bar->Enabled());
    EXPECT_EQ(Layout().DisabledNotice()->Caption(), VeltruneLayout::kDisabledNotice);
    Expand();
    Click(*Layout().RatioTab());
    EXPECT_TRUE(RatioPageShows());
}

TEST_F(MissingSlotLayout, TheSlidersCloseUpWhereASlotIsEmpty) {
    std::vector<int> tops;
    for (AdvBar* bar : Layout().AllBars())
        if (bar->Top() < 200 && bar->Left() == 296) tops.push_back(bar->Top());
    EXPECT_EQ(tops, (std::vector<int>{94, 122, 150}));
    EXPECT_EQ(Layout().BarsByItem().count(0x03020032), 0u) << "the skipped item has no slider";
}

}  // namespace
}  // namespace controllertest
