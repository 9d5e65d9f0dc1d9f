// Ratio bars of the CPU Ratio page as the page builds them, one per core of
// the board, driven with the pointer: meter and knob, the ratio and
// frequency digits, per-core and shared boards, a locked ratio.

#include "WindowFixture.h"

#include "app/mainwindow/AdvRatioBar.h"

#include <vector>

namespace mainwindowtest {
namespace {

constexpr uint32_t kRatio = 0x030C0013;
constexpr uint32_t kBaseClock = 0x03010011;
using Indexes = std::vector<int>;

Indexes Shown(const FloatingLed& display) {
    Indexes shown;
    for (const auto& slot : display.Slots()) shown.push_back(slot->ShownIndex());
    return shown;
}

// 'v' for each visible slot, '-' for each hidden one.
std::string Visibility(const FloatingLed& display) {
    std::string seen;
    for (const auto& slot : display.Slots()) seen += slot->Image().Visible() ? 'v' : '-';
    return seen;
}

class RatioBars : public WindowTest {
protected:
    // The page's bars at their places, shown, locked ones disabled.
    void MakeBars() {
        for (uint32_t core = 0; core < Board().Ratio().Count(); ++core) {
            bars.push_back(std::make_unique<AdvRatioBar>(row, core, Sets()));
            AdvRatioBar& bar = *bars.back();
            bar.Create(Window(), 262 + 90 * static_cast<int>(core), 334);
            bar.SetVisible(false);
            bar.SetEnabled(!Board().Ratio().IsSkipped());
            bar.SetVisible(true);
            bar.OnChange = [this, core] { ++changes[core]; };
        }
    }
    std::vector<int> Positions() const {
        std::vector<int> positions;
        for (const auto& bar : bars) positions.push_back(bar->Position());
        return positions;
    }
    // Shows the knob by moving over the meter, then drags it by dy (up is negative).
    void DragKnob(AdvRatioBar& bar, int dy) {
        Move(bar.Left() + 30, bar.Top() + 20);
        const POINT at = Centre(bar.Knob());
        Press(at.x, at.y);
        Move(at.x, at.y + dy, true);
        Release(at.x, at.y + dy);
    }
    static uint32_t MeterPixel(AdvRatioBar& bar, int x, int y) { return PixelOf(bar.Meter().Picture(), x, y); }

    std::vector<AdvRatioBar*> row;
    std::vector<std::unique_ptr<AdvRatioBar>> bars;
    int changes[4] = {};

    void TearDown() override {
        bars.clear();
        WindowTest::TearDown();
    }
};

TEST_F(RatioBars, PerCoreBarsShowTheirCoresRatioAndFrequencyAndMoveAlone) {
    MakeBars();
    ASSERT_EQ(bars.size(), 4u);
    EXPECT_EQ(Positions(), (std::vector<int>{26, 26, 26, 26}));
    AdvRatioBar& second = *bars[1];
    EXPECT_EQ(&Find<frame::Image>("RatioBar1.Meter"), &second.Meter());
    EXPECT_EQ(Find<kiln::LuImage>("RatioBar1.Numeral").Left(), 352 + 25);
    EXPECT_EQ(second.ItemNumber(), kRatio);
    EXPECT_EQ(Shown(second.RatioDisplay()), (Indexes{3, 4}));
    EXPECT_EQ(Shown(second.FrequencyDisplay()), (Indexes{3, 4, 0, 0}));
    EXPECT_EQ(Visibility(second.RatioDisplay()), "vv");
    EXPECT_EQ(Visibility(second.FrequencyDisplay()), "vvvv");

    DragKnob(second, -20);
    EXPECT_EQ(Positions(), (std::vector<int>{26, 31, 26, 26}));
    EXPECT_EQ(second.KnobOffset(), second.PixelFromPosition(31));
    EXPECT_EQ(Shown(second.RatioDisplay()), (Indexes{13, 19}));
    EXPECT_EQ(Shown(second.FrequencyDisplay()), (Indexes{3, 9, 0, 0}));
    EXPECT_EQ(changes[1], 2);  // the move and the release
    EXPECT_EQ(changes[0] + changes[2] + changes[3], 0);

    // A press on the meter moves one step toward it.
    AdvRatioBar& third = *bars[2];
    Press(third.Left() + 30, third.Top() + 5);
    Release(third.Left() + 30, third.Top() + 5);
    EXPECT_EQ(third.Position(), 27);
}

// Each selection of a core is a firmware round trip: building the page and
// each refresh select every core once.
TEST_F(RatioBars, PerCoreValuesAppliedThroughTheItemSetReadBackPerCore) {
    {
        JournalScope journal;
        MakeBars();
        EXPECT_EQ(journal.Calls(2).size(), 4u);
    }
    Board().Primary().Apply({{kRatio, 20}, {kRatio, 21}, {kRatio, 22}, {kRatio, 23}});
    JournalScope journal;
    for (auto& bar : bars) bar->RefreshFromItem();
    EXPECT_EQ(journal.Calls(2).size(), 4u);
    EXPECT_EQ(Positions(), (std::vector<int>{20, 21, 22, 23}));
    EXPECT_EQ(Shown(bars[3]->RatioDisplay()), (Indexes{3, 1}));
    EXPECT_EQ(Shown(bars[0]->RatioDisplay()), (Indexes{2, 8}));
    EXPECT_EQ(Shown(bars[3]->FrequencyDisplay()), (Indexes{3, 1, 0, 0}));
}

TEST_F(RatioBars, DigitsLightUpWhileTheChosenRatioDiffersFromTheCoresCurrentOne) {
    MakeBars();
    AdvRatioBar& bar = *bars[2];
    bar.StepUp();
    EXPECT_EQ(Shown(bar.RatioDisplay()), (Indexes{13, 15}));
    bar.StepDown();
    EXPECT_EQ(Shown(bar.RatioDisplay()), (Indexes{3, 4}));
    // The hardware moved under the bar: the same choice now differs from it.
    SimulatedBoard::Poke(kRatio, 2, 30);
    bar.SetPosition(26);
    EXPECT_EQ(Shown(bar.RatioDisplay()), (Indexes{13, 14}));
    bar.RefreshFromItem();
    EXPECT_EQ(bar.Position(), 30);
    EXPECT_EQ(Shown(bar.RatioDisplay()), (Indexes{3, 8}));
}

TEST_F(RatioBars, FrequencyIsRatioTimesBaseClockInWholeMegahertzOfFourDigits) {
    SimulatedBoard::Poke(kBaseClock, 0, 2);  // 100.2 MHz
    MakeBars();
    AdvRatioBar& bar = *bars[0];
    EXPECT_EQ(Shown(bar.FrequencyDisplay()), (Indexes{3, 4, 0, 6}));  // 3406.8
    SimulatedBoard::Poke(kBaseClock, 0, 2000);  // 300 MHz
    bar.RefreshFromItem();
    EXPECT_EQ(Shown(bar.FrequencyDisplay()), (Indexes{0, 2, 0, 0}));  // 10200
    SimulatedBoard::SetFault(kBaseClock, kFirmFaultRead);
    bar.RefreshFromItem();
    EXPECT_EQ(Shown(bar.FrequencyDisplay()), (Indexes{0, 0, 0, 0}));
    EXPECT_EQ(Shown(bar.RatioDisplay()), (Indexes{3, 4}));
}

TEST_F(RatioBars, TheMeterIsYellowOnlyWhileTheKnobShows) {
    MakeBars();
    AdvRatioBar& bar = *bars[0];
    const int x = 30, y = RatioMeter::kBottom - 20;
    const uint32_t light = MeterPixel(bar, x, y);
    EXPECT_FALSE(bar.Knob().Visible());
    Move(bar.Left() + 30, bar.Top() + 20);
    EXPECT_TRUE(bar.Knob().Visible());
    EXPECT_EQ(Window().HoverTarget(), &bar.Meter());
    EXPECT_NE(MeterPixel(bar, x, y), light);
    Move(bar.Left() - 40, bar.Top() + 20);
    EXPECT_FALSE(bar.Knob().Visible());
    EXPECT_EQ(MeterPixel(bar, x, y), light);
}

TEST_F(RatioBars, OnASharedBoardOneBarMovesThemAllAndOnlyTheFirstTakesTheHardwareValue) {
    LoadBoard(ShippedBoard("ratio-shared.json"));
    ASSERT_FALSE(Board().Ratio().PerCore());
    MakeBars();
    ASSERT_EQ(bars.size(), 4u);
    DragKnob(*bars[2], -20);
    EXPECT_EQ(Positions(), (std::vector<int>{31, 31, 31, 31}));
    for (int core = 0; core < 4; ++core) EXPECT_GE(changes[core], 1) << core;

    SimulatedBoard::Poke(kRatio, 3, 20);
    bars[1]->RefreshFromItem();
    EXPECT_EQ(Positions(), (std::vector<int>{31, 31, 31, 31}));
    bars[0]->RefreshFromItem();
    EXPECT_EQ(Positions(), (std::vector<int>{20, 20, 20, 20}));
    EXPECT_EQ(Shown(bars[3]->RatioDisplay()), (Indexes{2, 8}));
}

TEST_F(RatioBars, ALockedRatioLeavesTheBarsDisabledWithAnEmptyMeterAndNoDigits) {
    LoadBoard(ShippedBoard("ratio-locked.json"));
    MakeBars();
    ASSERT_EQ(bars.size(), 4u);
    AdvRatioBar& bar = *bars[0];
    EXPECT_FALSE(bar.Enabled());
    EXPECT_EQ(bar.ItemNumber(), 0u);
    EXPECT_EQ(Visibility(bar.RatioDisplay()), "--");
    EXPECT_EQ(Visibility(bar.FrequencyDisplay()), "----");
    EXPECT_FALSE(Find<kiln::LuImage>("RatioBar0.Frequency.Unit").Visible());
    const int x = 30, y = RatioMeter::kBottom - 20;
    const uint32_t empty = MeterPixel(bar, x, y);
    Move(bar.Left() + 30, bar.Top() + 20);
    EXPECT_FALSE(bar.Knob().Visible());
    SimulatedBoard::Poke(kRatio, 0, 10);
    bar.RefreshFromItem();
    bar.LoadDefault();
    EXPECT_EQ(bar.Position(), 26);

    bar.SetEnabled(true);
    EXPECT_EQ(Visibility(bar.RatioDisplay()), "vv");
    EXPECT_NE(MeterPixel(bar, x, y), empty);
    bar.SetEnabled(false);
    EXPECT_EQ(MeterPixel(bar, x, y), empty);
    EXPECT_EQ(Visibility(bar.FrequencyDisplay()), "----");
}

TEST_F(RatioBars, TwoCoreBoardHasTwoBarsWithTheirOwnRatios) {
    LoadBoard(ShippedBoard("two-cores.json"));
    MakeBars();
    EXPECT_EQ(Positions(), (std::vector<int>{26, 24}));
    EXPECT_EQ(Shown(bars[1]->RatioDisplay()), (Indexes{3, 2}));
    bars[1]->StepUp();
    EXPECT_EQ(Positions(), (std::vector<int>{26, 25}));
}

TEST_F(RatioBars, FractionalRatioStepsShowInMiddleDigitsWithAPoint) {
    LoadBoard(OCITEMS_BOARD_DIR "/primary.json");
    MakeBars();
    ASSERT_EQ(bars.size(), 1u);
    AdvRatioBar& bar = *bars[0];
    ASSERT_NE(dynamic_cast<MiddleFloatingLed*>(&bar.RatioDisplay()), nullptr);
    EXPECT_EQ(Shown(bar.RatioDisplay()), (Indexes{0, 9, 20, 0}));
    EXPECT_EQ(Find<kiln::LuImage>("RatioBar0.Ratio.Digit0").Left(), 262 + 3);
    bar.SetPosition(15);
    EXPECT_EQ(Shown(bar.RatioDisplay()), (Indexes{10, 19, 21, 15}));
    EXPECT_EQ(Shown(bar.FrequencyDisplay()), (Indexes{0, 9, 5, 0}));
}

}  // namespace
}  // namespace mainwindowtest
