// The processor ratio set: core count and modes from the board, reads and
// writes per core or for all cores, as the journal of firmware calls shows.

#include <gtest/gtest.h>

#include "app/ocitems/LuOcRatio.h"
#include "tests/support/Diagnostics.h"
#include "tests/arvex/SimulatedBoard.h"

namespace {

using testsupport::AssertionStop;
using testsupport::MessageRecorder;

constexpr uint32_t kRatio = 0x030C0013;
constexpr uint32_t kSelector = 0x030600F0;

std::string Select(uint32_t core) { return WriteCall(kSelector, core, 1); }
std::string Ratio(uint32_t index) { return WriteCall(kRatio, index, 2); }

std::vector<uint32_t> CoreValues(uint32_t cores) {
    std::vector<uint32_t> values;
    for (uint32_t core = 0; core < cores; ++core) values.push_back(SimulatedBoard::Peek(kRatio, core));
    return values;
}

class RatioSet : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

TEST_F(RatioSet, ShapeOfEachShippedBoard) {
    struct Case {
        const char* board;
        uint32_t count;
        bool perCore, selector, skipped;
    } cases[] = {
        {"default.json", 4, true, true, false},    {"two-cores.json", 2, true, true, false},
        {"ratio-shared.json", 4, false, true, false}, {"ratio-locked.json", 4, true, true, true},
        {"no-ratio.json", 0, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.board);
        SimulatedBoard::Load(SimulatedBoard::ShippedBoard(c.board));
        LuOcRatio ratio;
        EXPECT_EQ(ratio.Count(), c.count);
        EXPECT_EQ(ratio.PerCore(), c.perCore);
        EXPECT_EQ(ratio.HasSelector(), c.selector);
        EXPECT_EQ(ratio.IsSkipped(), c.skipped);
        EXPECT_EQ(ratio.ItemNumber(), c.count ? kRatio : 0u);
    }
    EXPECT_TRUE(MessageRecorder::Messages().empty());
}

TEST_F(RatioSet, PerCoreReadsSelectEachCore) {
    SimulatedBoard::Load("");
    SimulatedBoard::Poke(kRatio, 2, 20);
    LuOcRatio ratio;
    JournalScope journal;
    std::vector<uint32_t> indexes;
    ratio.ReadAll(indexes);
    EXPECT_EQ(indexes, (std::vector<uint32_t>{26, 26, 20, 26}));
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Select(0), Select(1), Select(2), Select(3)}));
    EXPECT_EQ(ratio.ReadIndex(2), 20u);
    EXPECT_DOUBLE_EQ(ratio.CurrentValue(), 34.0);  // the last core: 8 + 26
    EXPECT_EQ(ratio.StepCount(), 33u);
    EXPECT_EQ(ratio.DefaultIndex(), 26u);
}

TEST_F(RatioSet, SharedRatioIsReadFromTheLastCore) {
    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("ratio-shared.json"));
    LuOcRatio ratio;
    uint32_t last = SimulatedBoard::Peek(kRatio, 3);
    std::vector<uint32_t> indexes;
    JournalScope journal;
    ratio.ReadAll(indexes);
    EXPECT_EQ(indexes, (std::vector<uint32_t>{last}));
    EXPECT_EQ(ratio.ReadIndex(0), last);
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Select(3), Select(3)}));
}

TEST_F(RatioSet, PerCoreWriteUsesTheLastListedValueForTheRemainingCores) {
    SimulatedBoard::Load("");
    LuOcRatio ratio;
    JournalScope journal;
    ratio.WriteAll({30, 28});
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Select(0), Ratio(30), Select(1), Ratio(28), Select(2),
                                                          Ratio(28), Select(3), Ratio(28), Select(255), Ratio(28)}));
}

TEST_F(RatioSet, PerCoreWriteSkipsCoresAlreadyRightAndWritesNothingWithoutAChange) {
    SimulatedBoard::Load("");
    LuOcRatio ratio;
    {
        JournalScope journal;
        ratio.WriteAll({26, 26, 26, 26});
        EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Select(0), Select(1), Select(2), Select(3)}));
    }
    JournalScope journal;
    ratio.WriteAll({26, 26, 31, 26});
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Select(0), Select(1), Select(2), Ratio(31), Select(3),
                                                          Select(255), Ratio(26)}));
}

TEST_F(RatioSet, SharedWriteGoesToEveryCoreThenToAll) {
    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("ratio-shared.json"));
    LuOcRatio ratio;
    JournalScope journal;
    ratio.WriteAll({21, 5});  // only the first value counts
    EXPECT_EQ(journal.Calls(2),
              (std::vector<std::string>{Select(3), Select(0), Ratio(21), Select(1), Ratio(21), Select(2), Ratio(21),
                                        Select(3), Ratio(21), Select(255), Ratio(21)}));
    EXPECT_EQ(CoreValues(4), (std::vector<uint32_t>{21, 21, 21, 21}));
}

TEST_F(RatioSet, DifferentPerCoreValuesSurviveTheClosingCommit) {
    SimulatedBoard::Load("");
    LuOcRatio ratio;
    ratio.WriteAll({20, 21, 22, 23});
    EXPECT_EQ(CoreValues(4), (std::vector<uint32_t>{20, 21, 22, 23}));
    std::vector<uint32_t> indexes;
    ratio.ReadAll(indexes);
    EXPECT_EQ(indexes, (std::vector<uint32_t>{20, 21, 22, 23}));
}

TEST_F(RatioSet, RefusedCoreSelectionNeitherWritesNorReadsTheCoreSelectedBefore) {
    SimulatedBoard::Load("");
    SimulatedBoard::Poke(kRatio, 1, 10);
    LuOcRatio ratio;
    ASSERT_EQ(ratio.ReadIndex(1), 10u);  // leaves core 1 selected
    SimulatedBoard::SetFault(kSelector, kFirmFaultWrite);
    {
        JournalScope journal;
        ratio.WriteAll({30, 30, 30, 30});
        EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Select(0), Select(1), Select(2), Select(3)}));
    }
    EXPECT_EQ(CoreValues(4), (std::vector<uint32_t>{26, 10, 26, 26}));
    EXPECT_EQ(ratio.ReadIndex(2), ratio.DefaultIndex());
    EXPECT_EQ(ratio.CurrentValue(), 0.0);

    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("ratio-shared.json"));
    LuOcRatio shared;
    SimulatedBoard::SetFault(kSelector, kFirmFaultWrite);
    JournalScope journal;
    shared.WriteAll({21});
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Select(3)}));
}

TEST_F(RatioSet, CoreWhoseReadFailsIsNotWritten) {
    SimulatedBoard::Load("");
    LuOcRatio ratio;
    SimulatedBoard::SetFault(kRatio, kFirmFaultRead);
    JournalScope journal;
    ratio.WriteAll({30});
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Select(0), Select(1), Select(2), Select(3)}));
    EXPECT_EQ(ratio.ReadIndex(1), ratio.DefaultIndex());
    EXPECT_EQ(ratio.CurrentValue(), 0.0);
}

TEST_F(RatioSet, LockedMissingOrUnlistedRatioIsNeverWritten) {
    for (const char* board : {"ratio-locked.json", "no-ratio.json"}) {
        SCOPED_TRACE(board);
        SimulatedBoard::Load(SimulatedBoard::ShippedBoard(board));
        LuOcRatio ratio;
        JournalScope journal;
        ratio.WriteAll({30, 30, 30, 30});
        EXPECT_TRUE(journal.Calls(2).empty());
    }
    SimulatedBoard::Load("");
    LuOcRatio ratio;
    JournalScope journal;
    ratio.WriteAll({});
    EXPECT_TRUE(journal.Calls(2).empty());
}

TEST_F(RatioSet, WithoutSelectorThereIsOneCoreAndNoSelection) {
    SimulatedBoard::Load(OCITEMS_BOARD_DIR "/primary.json");
    LuOcRatio ratio;
    EXPECT_EQ(ratio.Count(), 1u);
    EXPECT_FALSE(ratio.HasSelector());
    EXPECT_FALSE(ratio.PerCore());
    JournalScope journal;
    ratio.WriteAll({12});
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{Ratio(12)}));
    EXPECT_DOUBLE_EQ(ratio.CurrentValue(), 9.2);
}

TEST_F(RatioSet, FractionalStepsAreSeenDespiteBinaryRounding) {
    SimulatedBoard::Load(OCITEMS_BOARD_DIR "/primary.json");  // steps of 0.1
    EXPECT_TRUE(LuOcRatio().HasFractionalSteps());
    SimulatedBoard::Load("");  // whole steps
    EXPECT_FALSE(LuOcRatio().HasFractionalSteps());
    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("no-ratio.json"));
    EXPECT_FALSE(LuOcRatio().HasFractionalSteps());
}

}  // namespace
