// Applying a list of item values: what is written, and in which order, as the
// journal of firmware calls shows. Default board: base clock 100.0 MHz plus
// 0.1 MHz a step, ratio 8 plus 1 a step on four cores set one by one.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/ocitems/ApplyWitness.h"
#include "app/ocitems/LuOcPrimaryItemSet.h"
#include "app/ocitems/LuOcRatio.h"
#include "tests/support/Diagnostics.h"
#include "tests/arvex/SimulatedBoard.h"

namespace {

using testsupport::AssertionStop;
using testsupport::MessageRecorder;

constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kRatio = 0x030C0013;
constexpr uint32_t kCoreVoltage = 0x03020012;
constexpr uint32_t kPllVoltage = 0x03020016;

std::string Tuning(uint32_t item, uint32_t value) { return WriteCall(item, value, 2); }

class Apply : public ::testing::Test {
protected:
    void SetUp() override {
        SimulatedBoard::Load("");
        m_ratio = std::make_unique<LuOcRatio>();
        m_set = std::make_unique<LuOcPrimaryItemSet>(m_ratio.get());
    }

    // The tuning writes (mode 2) of applying `values`, in order; core
    // selections in between are the ratio set's business.
    std::vector<std::string> TuningWrites(const VeOcItemValueList& values) {
        JournalScope journal;
        m_set->Apply(values);
        std::vector<std::string> writes;
        for (const std::string& call : journal.Calls(2))
            if (call.ends_with(" 0x00000002")) writes.push_back(call);
        return writes;
    }

    static VeOcItemValueList WithRatio(VeOcItemValueList values, uint32_t ratio) {
        for (int core = 0; core < 4; ++core) values.push_back({kRatio, ratio});
        return values;
    }

    MessageRecorder recorder;
    std::unique_ptr<LuOcRatio> m_ratio;
    std::unique_ptr<LuOcPrimaryItemSet> m_set;
};

TEST_F(Apply, RaisingWritesOtherItemsBeforeClockAndRatio) {
    // 100 MHz x 34 becomes 103 MHz x 38.
    auto writes = TuningWrites(WithRatio({{kCoreVoltage, 90}, {kClock, 30}}, 30));
    EXPECT_EQ(writes, (std::vector<std::string>{Tuning(kCoreVoltage, 90), Tuning(kClock, 30), Tuning(kRatio, 30),
                                                Tuning(kRatio, 30), Tuning(kRatio, 30), Tuning(kRatio, 30),
                                                Tuning(kRatio, 30)}));
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 30u);
    EXPECT_EQ(SimulatedBoard::Peek(kRatio, 3), 30u);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 90u);
}

TEST_F(Apply, LoweringWritesClockAndRatioFirst) {
    SimulatedBoard::Poke(kClock, 0, 50);  // 105 MHz x 34 becomes 101 MHz x 28
    auto writes = TuningWrites(WithRatio({{kCoreVoltage, 90}, {kClock, 10}}, 20));
    EXPECT_EQ(writes, (std::vector<std::string>{Tuning(kClock, 10), Tuning(kRatio, 20), Tuning(kRatio, 20),
                                                Tuning(kRatio, 20), Tuning(kRatio, 20), Tuning(kRatio, 20),
                                                Tuning(kCoreVoltage, 90)}));
}

TEST_F(Apply, LowerRatioAloneAtTheSameClockCountsAsLowering) {
    auto writes = TuningWrites(WithRatio({{kCoreVoltage, 90}, {kClock, 0}}, 20));
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.front(), Tuning(kRatio, 20));
    EXPECT_EQ(writes.back(), Tuning(kCoreVoltage, 90));
}

TEST_F(Apply, HigherClockWithLowerProductCountsAsLowering) {
    // 100 MHz x 34 = 3400 becomes 150 MHz x 20 = 3000.
    auto writes = TuningWrites(WithRatio({{kCoreVoltage, 90}, {kClock, 500}}, 12));
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.front(), Tuning(kClock, 500));
    EXPECT_EQ(writes.back(), Tuning(kCoreVoltage, 90));
}

TEST_F(Apply, ListWithoutClockEntryWritesOtherItemsFirst) {
    auto writes = TuningWrites(WithRatio({{kCoreVoltage, 90}}, 20));
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.front(), Tuning(kCoreVoltage, 90));
    EXPECT_EQ(writes.back(), Tuning(kRatio, 20));
}

TEST_F(Apply, ClockWithoutRatioEntryJudgesWithTheCurrentRatio) {
    SimulatedBoard::Poke(kClock, 0, 50);
    EXPECT_EQ(TuningWrites({{kCoreVoltage, 90}, {kClock, 10}}),
              (std::vector<std::string>{Tuning(kClock, 10), Tuning(kCoreVoltage, 90)}));
    EXPECT_EQ(TuningWrites({{kCoreVoltage, 95}, {kClock, 60}}),
              (std::vector<std::string>{Tuning(kCoreVoltage, 95), Tuning(kClock, 60)}));
}

TEST_F(Apply, UnchangedAndUnreadableItemsAreNotWritten) {
    SimulatedBoard::SetFault(kPllVoltage, kFirmFaultRead);
    EXPECT_TRUE(TuningWrites(WithRatio({{kCoreVoltage, 80}, {kClock, 0}, {kPllVoltage, 31}}, 26)).empty());
    EXPECT_EQ(SimulatedBoard::Peek(kPllVoltage), 30u);
}

TEST_F(Apply, UnreadableGroupThreeWritesNothing) {
    SimulatedBoard::SetFault(3, kFirmFaultListGroup);
    m_ratio = std::make_unique<LuOcRatio>();
    m_set = std::make_unique<LuOcPrimaryItemSet>(m_ratio.get());
    SimulatedBoard::ResetCounts();
    // Readable and writable by number, yet the clock would go up while the
    // ratio it was meant to go with is dropped.
    m_set->Apply(WithRatio({{kCoreVoltage, 90}, {kClock, 30}}, 20));
    EXPECT_EQ(SimulatedBoard::Calls(2), 0u);
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 0u);
    EXPECT_EQ(SimulatedBoard::Peek(kRatio, 3), 26u);
}

TEST_F(Apply, OnlyTheRatioItemFeedsTheRatioWrite) {
    // 0x0302_0113 shares its low eight bits with the ratio item but is not it.
    auto writes = TuningWrites({{kClock, 30}, {kRatio, 30}, {0x03020113, 5}});
    EXPECT_EQ(std::count(writes.begin(), writes.end(), Tuning(kRatio, 5)), 0);
    std::vector<uint32_t> cores;
    for (uint32_t core = 0; core < 4; ++core) cores.push_back(SimulatedBoard::Peek(kRatio, core));
    EXPECT_EQ(cores, (std::vector<uint32_t>{30, 30, 30, 30}));
}

TEST_F(Apply, PerCoreRatiosGoToTheCoresInListOrder) {
    // The ratio set judges the direction by the first listed ratio.
    auto writes = TuningWrites({{kRatio, 27}, {kClock, 10}, {kRatio, 29}, {kRatio, 31}, {kRatio, 33}});
    EXPECT_EQ(writes, (std::vector<std::string>{Tuning(kClock, 10), Tuning(kRatio, 27), Tuning(kRatio, 29),
                                                Tuning(kRatio, 31), Tuning(kRatio, 33), Tuning(kRatio, 33)}));
}

// What keeps the values an Apply replaces hears each one as read, before the
// write that replaces it, and costs the firmware nothing: the calls are the
// same with a witness as without.
TEST_F(Apply, AWitnessHearsEveryValueBeforeItsWriteAndAddsNoCall) {
    struct Witness final : ApplyWitness {
        void Found(uint32_t item, uint32_t core, uint32_t value) override {
            heard.push_back(std::to_string(item) + "/" + std::to_string(core) + "=" + std::to_string(value));
        }
        void BeforeWrite() override { heard.push_back("write"); }
        std::vector<std::string> heard;
    } witness;
    const VeOcItemValueList list = {{kCoreVoltage, 80}, {kClock, 10}, {kRatio, 26}, {kRatio, 29}, {kRatio, 26},
                                    {kRatio, 26}};
    std::vector<std::string> without;
    {
        JournalScope journal;
        m_set->Apply(list);
        without = journal.Lines();
    }
    SimulatedBoard::Load("");
    JournalScope journal;
    m_set->Apply(list, &witness);
    EXPECT_EQ(journal.Lines(), without);
    const auto item = [](uint32_t number, uint32_t core, uint32_t value) {
        return std::to_string(number) + "/" + std::to_string(core) + "=" + std::to_string(value);
    };
    // Raising: the voltage (unchanged) first, then the clock and core 1.
    EXPECT_EQ(witness.heard,
              (std::vector<std::string>{item(kCoreVoltage, ApplyWitness::kEveryCore, 80),
                                        item(kClock, ApplyWitness::kEveryCore, 0), "write", item(kRatio, 0, 26),
                                        item(kRatio, 1, 26), "write", item(kRatio, 2, 26), item(kRatio, 3, 26)}));
}

// When the direction cannot be judged, the frequency part goes last, as for
// a raise: the voltages and options the user chose are in place before the
// clock or ratio moves, and a write that fails on the way leaves the
// processor no faster than it was.
TEST_F(Apply, UnreadableClockWritesOtherItemsFirstAndLeavesTheClock) {
    SimulatedBoard::Poke(kClock, 0, 50);
    SimulatedBoard::SetFault(kClock, kFirmFaultRead);
    // Readable, this would be 105 MHz x 34 lowered to 101 MHz x 28.
    auto writes = TuningWrites(WithRatio({{kCoreVoltage, 90}, {kClock, 10}}, 20));
    EXPECT_EQ(writes, (std::vector<std::string>{Tuning(kCoreVoltage, 90), Tuning(kRatio, 20), Tuning(kRatio, 20),
                                                Tuning(kRatio, 20), Tuning(kRatio, 20), Tuning(kRatio, 20)}));
    // A clock whose present value is unknown is not written blind.
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 50u);
}

TEST_F(Apply, UnreadableRatioWritesOtherItemsFirstAndLeavesTheRatio) {
    SimulatedBoard::Poke(kClock, 0, 50);
    SimulatedBoard::SetFault(kRatio, kFirmFaultRead);
    // 105 MHz x 34 lowered to 101 MHz x 28, but the present ratio is unknown.
    auto writes = TuningWrites(WithRatio({{kCoreVoltage, 90}, {kClock, 10}}, 20));
    EXPECT_EQ(writes, (std::vector<std::string>{Tuning(kCoreVoltage, 90), Tuning(kClock, 10)}));
    for (uint32_t core = 0; core < 4; ++core) EXPECT_EQ(SimulatedBoard::Peek(kRatio, core), 26u) << core;
}

TEST_F(Apply, LockedRatioLeavesTheDirectionToTheClockAlone) {
    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("ratio-locked.json"));
    m_ratio = std::make_unique<LuOcRatio>();
    m_set = std::make_unique<LuOcPrimaryItemSet>(m_ratio.get());
    SimulatedBoard::Poke(kClock, 0, 50);
    // A ratio entry that would make either change a lowering is not counted:
    // the locked ratio stays 34 whatever the list says.
    EXPECT_EQ(TuningWrites(WithRatio({{kCoreVoltage, 90}, {kClock, 60}}, 2)),
              (std::vector<std::string>{Tuning(kCoreVoltage, 90), Tuning(kClock, 60)}));
    EXPECT_EQ(TuningWrites(WithRatio({{kCoreVoltage, 95}, {kClock, 10}}, 30)),
              (std::vector<std::string>{Tuning(kClock, 10), Tuning(kCoreVoltage, 95)}));
    for (uint32_t core = 0; core < 4; ++core) EXPECT_EQ(SimulatedBoard::Peek(kRatio, core), 26u) << core;
}

}  // namespace
