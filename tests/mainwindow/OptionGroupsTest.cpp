// The option groups of the Advance Mode page on boards that call for each
// layout: which groups exist, their variants, which items they take, the
// row classes, where the rows sit and the values they start from.

#include "WindowFixture.h"

#include "app/mainwindow/AdvSmallBarType2.h"
#include "app/mainwindow/OptionGroups.h"

#include <vector>

namespace mainwindowtest {
namespace {

constexpr uint32_t kPll = 0x03020016, kPch = 0x03020017, kGfx = 0x03020026, kSystemAgent = 0x03020027;
constexpr uint32_t kDimm = 0x03020031, kDramCa = 0x03020033, kDramDq = 0x03020034;
constexpr int kIconLeft = 39, kCpuChipTop = 295, kSecondTop = 458;

struct Row {
    uint32_t number;
    int left, top;
    int position;
};

class OptionGroupsTest : public WindowTest {
protected:
    OptionGroups Build(const OptionLayout& layout) { return BuildOptionGroups(Window(), Sets(), layout); }
    OptionLayout Choose() {
        return ChooseOptionLayout(Board().Primary(), IsCompactAdvancedPage(Board().Primary()));
    }

    // The step buttons are the rows' windows.
    static int ShownWindows(const AdvBar& bar) {
        int shown = 0;
        for (frame::Control* control : bar.Controls())
            if (auto* window = dynamic_cast<frame::WinControl*>(control))
                shown += (GetWindowLongA(window->Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
        return shown;
    }

    static void ExpectRows(const AdvGroup& group, const std::vector<Row>& expected, bool wide) {
        const std::vector<AdvSmallBar*> rows = group.Rows();
        ASSERT_EQ(rows.size(), expected.size()) << group.Name();
        for (size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(group.Name() + " row " + std::to_string(i));
            EXPECT_EQ(rows[i]->ItemNumber(), expected[i].number);
            EXPECT_EQ(dynamic_cast<AdvSmallBarType2*>(rows[i]) != nullptr, wide);
            EXPECT_EQ(rows[i]->Left(), expected[i].left);
            EXPECT_EQ(rows[i]->Top(), expected[i].top);
            EXPECT_EQ(rows[i]->Position(), expected[i].position);
            EXPECT_FALSE(rows[i]->Visible());
            EXPECT_EQ(ShownWindows(*rows[i]), 0);
        }
    }
};

TEST_F(OptionGroupsTest, DefaultBoardHasTwoColumnsOfVoltagesAndADramGroup) {
    const OptionLayout layout = Choose();
    EXPECT_EQ(layout.cpuChipVariant, 0);
    EXPECT_EQ(layout.secondVariant, 0);
    EXPECT_EQ(layout.second, SecondGroupKind::Dram);
    const OptionGroups groups = Build(layout);
    ExpectRows(*groups.cpuChip,
               {{kPll, 211, 325, 30}, {kPch, 509, 325, 5}, {kGfx, 211, 356, 40}, {kSystemAgent, 509, 356, 45}},
               false);
    ASSERT_TRUE(groups.second);
    // Three rows: the right column of the last line stays empty.
    ExpectRows(*groups.second, {{kDimm, 211, 488, 60}, {kDramCa, 509, 488, 30}, {kDramDq, 211, 519, 30}}, false);
    EXPECT_EQ(Find<kiln::LuLabel>("DramGroup.Caption").Caption(), "DRAM Reference Voltage");
    EXPECT_EQ(Find<kiln::LuImage>("DramGroup.Icon").Top(), kSecondTop);
    EXPECT_EQ(Find<kiln::LuImage>("CpuChipGroup.Icon").Left(), kIconLeft);
    EXPECT_EQ(Find<kiln::LuLabel>("CpuChipGroup.Caption").Left(), kIconLeft + 32);

    // Rows of variant 0 keep the slider's own labels.
    const AdvSmallBar& pll = *groups.cpuChip->Rows()[0];
    EXPECT_EQ(pll.CaptionLabel().Caption(), "CPU PLL Voltage");
    EXPECT_EQ(pll.CaptionLabel().Left(), 211 - 187);
    EXPECT_EQ(pll.UnitLabel().Left(), 211 - 35);
    EXPECT_EQ(pll.ChosenLabel().Left() + pll.ChosenLabel().Width(), 211 - 70 + 30);

    groups.cpuChip->SetVisible(true);
    EXPECT_TRUE(Find<kiln::LuImage>("CpuChipGroup.Icon").Visible());
    EXPECT_TRUE(pll.Visible());
    EXPECT_EQ(ShownWindows(pll), 2);
    EXPECT_FALSE(groups.second->Rows()[0]->Visible());
}

TEST_F(OptionGroupsTest, BothSpecialItemsReplaceTheDramGroupWithOneColumnOfExpertOptions) {
    LoadBoard(ShippedBoard("special-items.json"));
    const OptionLayout layout = Choose();
    EXPECT_EQ(layout.cpuChipVariant, 4);
    EXPECT_EQ(layout.secondVariant, 3);
    EXPECT_EQ(layout.second, SecondGroupKind::Expert);
    const OptionGroups groups = Build(layout);
    ExpectRows(*groups.cpuChip,
               {{0x03820016, 211, 333, 0}, {kPch, 509, 333, 5}, {kGfx, 211, 378, 40}, {kSystemAgent, 509, 378, 45}},
               false);
    ExpectRows(*groups.second,
               {{0x03080041, 339, 488, 1}, {0x03080042, 339, 519, 0}, {0x03080018, 339, 550, 1},
                {0x030800B4, 339, 581, 3}},
               true);
    EXPECT_EQ(Find<kiln::LuLabel>("ExpertGroup.Caption").Caption(), "Expert Option");
    EXPECT_EQ(testsupport::FindControl<frame::Control>(Window(), "Bar03020031.Image"), nullptr);

    const AdvSmallBar& spread = *groups.second->Rows()[0];
    EXPECT_EQ(spread.BarImage().Width(), 200);
    EXPECT_EQ(spread.TrackLength(), 175);
    EXPECT_EQ(spread.CaptionLabel().Left(), 339 - 305);
    EXPECT_EQ(spread.CaptionLabel().Width(), 105);
    EXPECT_EQ(spread.CurrentLabel().Left(), 339 - 150);
    EXPECT_EQ(spread.ChosenLabel().Left(), 339 - 68);
    // The voltage with an extra string shows it at its first index.
    EXPECT_EQ(groups.cpuChip->Rows()[0]->ChosenLabel().Caption(), "Auto");
}

TEST_F(OptionGroupsTest, ALongValueTextWidensTheRowsUnlessItCannotBeRead) {
    LoadBoard(TestBoard("long-text.json"));
    OptionLayout layout = Choose();
    EXPECT_EQ(layout.cpuChipVariant, 1);
    EXPECT_EQ(layout.secondVariant, 1);
    EXPECT_EQ(layout.second, SecondGroupKind::Dram);
    {
        const OptionGroups groups = Build(layout);
        ExpectRows(*groups.cpuChip,
                   {{kPll, 211, 325, 30}, {kPch, 509, 325, 500}, {kGfx, 211, 356, 40}, {kSystemAgent, 509, 356, 45}},
                   false);
        const AdvSmallBar& pch = *groups.cpuChip->Rows()[1];
        EXPECT_EQ(pch.ChosenLabel().Caption(), "1.0500");
        EXPECT_EQ(pch.CaptionLabel().Left(), 509 - 200);
        EXPECT_EQ(pch.CaptionLabel().Width(), 77);
        EXPECT_EQ(pch.CaptionLabel().Font().Height(), -11);
        // The narrow box cuts the longer names as the large sliders do.
        const kiln::LuLabel& agent = groups.cpuChip->Rows()[3]->CaptionLabel();
        EXPECT_TRUE(agent.ShownCaption().starts_with("CPU") && agent.ShownCaption().ends_with("..."))
            << agent.ShownCaption();
        EXPECT_EQ(agent.Hint(), "CPU System Agent Voltage");
        EXPECT_EQ(pch.CurrentLabel().Alignment(), frame::Alignment::Left);
        EXPECT_EQ(pch.CurrentLabel().Font().Height(), -11);
        EXPECT_EQ(pch.UnitLabel().Left(), 509 - 35);
        EXPECT_EQ(pch.UnitLabel().Font().Height(), -11);
    }

    SimulatedBoard::SetFault(kPch, kFirmFaultRead);
    layout = Choose();
    EXPECT_EQ(layout.cpuChipVariant, 0);
    EXPECT_EQ(layout.secondVariant, 0);
}

TEST_F(OptionGroupsTest, FineCoreVoltageIsAPrincipalItemAndLeavesTheRowsNarrow) {
    LoadBoard(ShippedBoard("fine-voltage.json"));
    const OptionLayout layout = Choose();
    EXPECT_EQ(layout.cpuChipVariant, 0);
    EXPECT_EQ(layout.secondVariant, 0);
    EXPECT_EQ(layout.second, SecondGroupKind::Dram);
}

TEST_F(OptionGroupsTest, WithoutTypeThreeItemsThereIsNoSecondGroupAndTheRowsSpreadOut) {
    LoadBoard(TestBoard("compact-page.json"));
    ASSERT_TRUE(IsCompactAdvancedPage(Board().Primary()));
    const OptionLayout layout = Choose();
    EXPECT_EQ(layout.cpuChipVariant, 2);
    EXPECT_EQ(layout.second, SecondGroupKind::None);
    const OptionGroups groups = Build(layout);
    EXPECT_FALSE(groups.second);
    ExpectRows(*groups.cpuChip,
               {{kPll, 211, 333, 30}, {kPch, 509, 333, 5}, {kGfx, 211, 378, 40}, {kSystemAgent, 509, 378, 45}},
               false);
    const AdvSmallBar& pch = *groups.cpuChip->Rows()[1];
    EXPECT_EQ(pch.CaptionLabel().Left(), 509 - 180);
    EXPECT_EQ(pch.CaptionLabel().Font().Height(), -11);
    EXPECT_EQ(testsupport::FindControl<frame::Control>(Window(), "DramGroup.Icon"), nullptr);
}

}  // namespace
}  // namespace mainwindowtest
