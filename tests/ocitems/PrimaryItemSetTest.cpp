// Loading the primary item set: reserved entries, skipped items, warnings,
// and what building both item sets costs in firmware calls.

#include <gtest/gtest.h>

#include "app/ocitems/LuOcPrimaryItemSet.h"
#include "app/ocitems/LuOcRatio.h"
#include "tests/support/Diagnostics.h"
#include "tests/arvex/SimulatedBoard.h"

namespace {

using testsupport::AssertionStop;
using testsupport::MessageRecorder;

using Message = std::pair<std::string, std::string>;

std::vector<uint32_t> EntryNumbers(const LuOcPrimaryItemSet& set) {
    std::vector<uint32_t> numbers;
    for (size_t i = 0; i < set.Count(); ++i) numbers.push_back(set.Item(i) ? set.Item(i)->Number() : 0);
    return numbers;
}

class PrimaryItemSet : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

TEST_F(PrimaryItemSet, ReservedEntriesComeFirstWhateverTheFirmwareOrder) {
    SimulatedBoard::Load(OCITEMS_BOARD_DIR "/primary.json");
    LuOcPrimaryItemSet set;
    // 17, 18, 50, 21 in entries 0-3; entry 4 empty; then the rest in
    // firmware order without the skipped item.
    EXPECT_EQ(EntryNumbers(set), (std::vector<uint32_t>{0x03010011, 0x03020012, 0x03820032, 0x03020015, 0,
                                                         0x03020040, 0x030C0013, 0x03080041}));
    // The reserved item with extra strings is still kept, after a warning.
    EXPECT_EQ(MessageRecorder::Messages(), (std::vector<Message>{{"Item 3820032 can not have extra string", "VeAcpi"}}));
    EXPECT_EQ(set.Item(set.Count()), nullptr);
}

TEST_F(PrimaryItemSet, UnreadableGroupLeavesFiveEmptyEntriesAndOneMessagePerSet) {
    SimulatedBoard::Load("");
    SimulatedBoard::SetFault(3, kFirmFaultListGroup);
    LuOcPrimaryItemSet set;
    EXPECT_EQ(EntryNumbers(set), (std::vector<uint32_t>{0, 0, 0, 0, 0}));
    LuOcRatio ratio;
    EXPECT_EQ(ratio.Count(), 0u);
    EXPECT_EQ(ratio.Item(), nullptr);
    EXPECT_EQ(MessageRecorder::Messages(),
              (std::vector<Message>{{"Can not get any information from group 3", "AcOcItemSetBase"},
                                    {"Can not get any information from group 3", "AcOcItemSetBase"}}));
    // Without a ratio item no ratio is written.
    SimulatedBoard::ResetCounts();
    ratio.WriteAll({30});
    EXPECT_EQ(SimulatedBoard::Calls(2), 0u);
}

TEST_F(PrimaryItemSet, ItemsWhoseDescriptionFailsAreLeftOut) {
    SimulatedBoard::Load("");
    SimulatedBoard::SetFault(0x03020012, kFirmFaultDescribe);
    LuOcPrimaryItemSet set;
    EXPECT_EQ(set.Item(1), nullptr);
    ASSERT_NE(set.Item(0), nullptr);
    EXPECT_EQ(set.Item(0)->Number(), 0x03010011u);
    for (size_t i = 0; i < set.Count(); ++i) {
        if (set.Item(i)) {
            EXPECT_NE(set.Item(i)->Number(), 0x03020012u);
        }
    }
}

// Every firmware call is a round trip through ACPI on a real board: building
// both sets lists and describes group 3 once (the second set walks what the
// first was told), walks group 0 for the per-core capability, and reads the
// two capability words.
TEST_F(PrimaryItemSet, BuildingBothSetsOnTheDefaultBoardCostsAFixedNumberOfCalls) {
    SimulatedBoard::Load("");
    SimulatedBoard::ResetCounts();
    LuOcPrimaryItemSet set;
    LuOcRatio ratio;
    constexpr uint32_t kGroup3Items = 16;
    constexpr uint32_t kGroup0ItemsUpToBothCapabilities = 3;
    EXPECT_EQ(SimulatedBoard::Calls(1), 1u);
    EXPECT_EQ(SimulatedBoard::Calls(2), 0u);
    EXPECT_EQ(SimulatedBoard::Calls(3), 2u);
    EXPECT_EQ(SimulatedBoard::Calls(4), 0u);
    EXPECT_EQ(SimulatedBoard::Calls(5), 2u);
    EXPECT_EQ(SimulatedBoard::Calls(11), kGroup3Items + kGroup0ItemsUpToBothCapabilities);
    EXPECT_EQ(SimulatedBoard::Calls(12), 0u);
    EXPECT_EQ(SimulatedBoard::Calls(13), 0u);
    // Walking packages in memory: one count and first element per list walked
    // and per description fetched or kept, and per item parsed (16 + 2 items
    // created).
    constexpr uint32_t kPackages = 3 + (2 * kGroup3Items + kGroup0ItemsUpToBothCapabilities) + (kGroup3Items + 2);
    EXPECT_EQ(SimulatedBoard::Calls(6), kPackages) << "first element";
    EXPECT_EQ(SimulatedBoard::Calls(7), kPackages) << "element count";
    // Pinned as measured, so that a change in the cost of parsing shows.
    EXPECT_EQ(SimulatedBoard::Calls(9), 199u) << "element data";
    EXPECT_EQ(SimulatedBoard::Calls(10), 146u) << "next element";
}

}  // namespace
