// Walking groups and items on a small simulated board, with faults injected
// into the firmware calls.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/GroupInfoTraverser.h"
#include "kiln/arvex/ItemTraverser.h"
#include "tests/support/Diagnostics.h"
#include "tests/arvex/SimulatedBoard.h"

namespace {

using testsupport::AssertionStop;
using testsupport::MessageRecorder;

const std::vector<uint32_t> kGroup3 = {0x03010011, 0x03820012, 0x03070020, 0x03080030, 0x03060040};

class Traversal : public ::testing::Test {
protected:
    void SetUp() override { SimulatedBoard::Load(TRAVERSAL_BOARD); }

    // Numbers of the fetched items, in firmware order.
    static std::vector<uint32_t> Walk(uint32_t group) {
        std::vector<uint32_t> numbers;
        kiln::ItemTraverser traverser;
        EXPECT_TRUE(traverser.Open(group));
        for (; !traverser.AtEnd(); traverser.Next())
            if (traverser.CurrentFetched()) numbers.push_back(traverser.CurrentNumber());
        return numbers;
    }

    MessageRecorder recorder;
};

TEST_F(Traversal, ItemTraverserVisitsEveryItemInFirmwareOrder) {
    EXPECT_EQ(Walk(3), kGroup3);
}

TEST_F(Traversal, CreatedItemsHaveTheirKindsClassAndOutliveTheTraverser) {
    std::vector<std::unique_ptr<kiln::BiosItem>> items;
    {
        kiln::ItemTraverser traverser;
        ASSERT_TRUE(traverser.Open(3));
        for (; !traverser.AtEnd(); traverser.Next()) items.push_back(traverser.CreateItem());
    }
    ASSERT_EQ(items.size(), kGroup3.size());
    EXPECT_EQ(items[0]->IndexToString(3), "100.3");
    EXPECT_EQ(items[1]->StepCount(), 10u);
    EXPECT_EQ(items[1]->IndexToString(0), "Auto");
    EXPECT_EQ(items[1]->IndexToString(1), "0.800");
    EXPECT_EQ(items[2]->StepCount(), 0u);
    EXPECT_EQ(items[2]->DefaultIndex(), 1u);
    EXPECT_EQ(items[3]->IndexToString(1), "On");
    EXPECT_STREQ(items[3]->Name(), "Mode");
    EXPECT_TRUE(items[4]->IsSkipped());
    EXPECT_FALSE(items[0]->IsSkipped());
}

TEST_F(Traversal, ItemWhoseDescriptionFailsIsReportedAndTheWalkGoesOn) {
    SimulatedBoard::SetFault(0x03070020, kFirmFaultDescribe);
    kiln::ItemTraverser traverser;
    ASSERT_TRUE(traverser.Open(3));
    std::vector<bool> fetched;
    std::vector<uint32_t> numbers;
    while (!traverser.AtEnd()) {
        fetched.push_back(traverser.CurrentFetched());
        if (traverser.CurrentFetched()) numbers.push_back(traverser.CurrentNumber());
        EXPECT_EQ(traverser.CreateItem() != nullptr, traverser.CurrentFetched());
        traverser.Next();
    }
    EXPECT_EQ(fetched, (std::vector<bool>{true, true, false, true, true}));
    EXPECT_EQ(numbers, (std::vector<uint32_t>{0x03010011, 0x03820012, 0x03080030, 0x03060040}));
}

// A group's list and its items' descriptions do not change while the
// program runs: a second walk asks the firmware only for what it refused.
TEST_F(Traversal, ASecondWalkAsksOnlyForTheDescriptionsThatFailed) {
    // Straight to the simulator: SimulatedBoard::SetFault would also make
    // the toolkit forget what it was told.
    SimulatedBoard::Extra<FirmSetFaultFn>("FirmSimSetFault")(0x03820012, kFirmFaultDescribe);
    EXPECT_EQ(Walk(3).size(), kGroup3.size() - 1);
    SimulatedBoard::Extra<FirmClearFaultsFn>("FirmSimClearFaults")();
    SimulatedBoard::ResetCounts();
    EXPECT_EQ(Walk(3), kGroup3);
    EXPECT_EQ(SimulatedBoard::Calls(5), 0u) << "the list is kept";
    EXPECT_EQ(SimulatedBoard::Calls(11), 1u) << "only the refused description is asked again";
}

TEST_F(Traversal, FailedOpenLeavesTheItemTraverserClosedAndReusable) {
    kiln::ItemTraverser traverser;
    EXPECT_FALSE(traverser.Open(4));
    EXPECT_FALSE(traverser.IsOpen());
    EXPECT_FALSE(traverser.Open(9));  // no such group
    EXPECT_TRUE(traverser.Open(3));
    EXPECT_TRUE(traverser.CurrentFetched());
    EXPECT_EQ(traverser.CurrentNumber(), kGroup3[0]);
}

TEST_F(Traversal, GroupTraverserStaysOpenAfterAFailedListUntilClosed) {
    kiln::GroupInfoTraverser group;
    EXPECT_FALSE(group.Open(4));
    EXPECT_TRUE(group.IsOpen());
    EXPECT_TRUE(group.AtEnd());
    EXPECT_EQ(group.Current(), nullptr);
    group.Close();
    EXPECT_FALSE(group.IsOpen());
    ASSERT_TRUE(group.Open(3));
    uint32_t positions = 0;
    for (; !group.AtEnd(); group.Next()) ++positions;
    EXPECT_EQ(positions, kGroup3.size());
    group.Next();  // past the end: stays at the end
    EXPECT_TRUE(group.AtEnd());
}

TEST_F(Traversal, OpeningAnOpenTraverserIsAProgrammingError) {
    kiln::ItemTraverser items;
    ASSERT_TRUE(items.Open(3));
    try {
        items.Open(3);
        FAIL() << "no assertion";
    } catch (const AssertionStop& stop) {
        EXPECT_THAT(stop.what(), ::testing::StartsWith(
                                     "Assertion failed: !IsOpen(), file kiln/arvex/Source/BiosInterface, line "));
    }
    kiln::GroupInfoTraverser group;
    ASSERT_TRUE(group.Open(3));
    EXPECT_THROW(group.Open(3), AssertionStop);
}

TEST_F(Traversal, IsItemPresentWalksTheItemsGroup) {
    EXPECT_TRUE(kiln::IsItemPresent(0x03060040));
    EXPECT_TRUE(kiln::IsItemPresent(0x03010011));
    EXPECT_FALSE(kiln::IsItemPresent(0x03010099));
    EXPECT_FALSE(kiln::IsItemPresent(0xC8060001));  // group 200 does not exist
    EXPECT_FALSE(kiln::IsItemPresent(0x04060001));  // listed, but the group cannot be listed
    SimulatedBoard::SetFault(0x03080030, kFirmFaultDescribe);
    EXPECT_FALSE(kiln::IsItemPresent(0x03080030));
    EXPECT_EQ(kiln::AreItemsPresent({0x03060040, 0x03999999, 0x03010011, 0x04060001}),
              (std::vector<bool>{true, false, true, false}));
}

TEST_F(Traversal, AreItemsPresentStopsWalkingOnceAllAreFound) {
    SimulatedBoard::ResetCounts();
    EXPECT_EQ(kiln::AreItemsPresent({0x03820012, 0x03010011}), (std::vector<bool>{true, true}));
    EXPECT_EQ(SimulatedBoard::Calls(5), 1u);
    EXPECT_EQ(SimulatedBoard::Calls(11), 2u);
}

TEST_F(Traversal, SingleItemReadsAndWrites) {
    uint32_t value = 0;
    EXPECT_TRUE(kiln::GetItemValue(0x03010011, value));
    EXPECT_EQ(value, 3u);
    EXPECT_TRUE(kiln::SetItemValue(0x03010011, 7));
    EXPECT_EQ(SimulatedBoard::Peek(0x03010011), 7u);
    EXPECT_EQ(kiln::SetItemValueMode(0x03010011, 99, 2) & 1, 0u);  // beyond the step table
    EXPECT_EQ(SimulatedBoard::Peek(0x03010011), 7u);
    SimulatedBoard::SetFault(0x03010011, kFirmFaultRead);
    EXPECT_FALSE(kiln::GetItemValue(0x03010011, value));
    EXPECT_FALSE(kiln::GetItemLimit(0x03010011, 17, value));  // not a limit table
}

TEST_F(Traversal, ReadInterfaceInfoCopiesOnlyWhatIsAvailable) {
    // The board offers two strings and three integers.
    uint32_t out[4] = {9, 9, 9, 9};
    EXPECT_TRUE(kiln::ReadInterfaceInfo(out, 0, 4));
    EXPECT_EQ(std::vector<uint32_t>(out, out + 4), (std::vector<uint32_t>{0x11, 0x22, 0x03000033, 9}));

    uint32_t tail[2] = {9, 9};
    EXPECT_TRUE(kiln::ReadInterfaceInfo(tail, 1, 2));
    EXPECT_EQ(std::vector<uint32_t>(tail, tail + 2), (std::vector<uint32_t>{0x22, 0x03000033}));

    uint32_t beyond[2] = {9, 9};
    EXPECT_TRUE(kiln::ReadInterfaceInfo(beyond, 5, 2));
    EXPECT_TRUE(kiln::ReadInterfaceInfo(beyond, 3, 1));
    EXPECT_EQ(std::vector<uint32_t>(beyond, beyond + 2), (std::vector<uint32_t>{9, 9}));

    uint32_t wrap[3] = {9, 9, 9};
    EXPECT_TRUE(kiln::ReadInterfaceInfo(wrap, 2, 0xFFFFFFFF));  // first + count wraps
    EXPECT_EQ(std::vector<uint32_t>(wrap, wrap + 3), (std::vector<uint32_t>{0x03000033, 9, 9}));
}

}  // namespace
