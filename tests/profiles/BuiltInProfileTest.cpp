// Built-in profiles on the simulated default board: their names, and the
// list a built-in profile loads as (the current settings with the ratio at
// its default, overlaid with the firmware's pairs); the current settings
// as they are collected for it.

#include "app/ocitems/LuOcRatio.h"
#include "app/profiles/BuiltInProfiles.h"
#include "app/ocitems/CurrentSettings.h"
#include "app/profiles/VeOcItemProfile.h"

#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/Diagnostics.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kRatio = 0x030C0013;
constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kCoreVoltage = 0x03020012;
constexpr uint32_t kChipsetVoltage = 0x03020015;
constexpr uint32_t kVttVoltage = 0x03020032;
constexpr uint32_t kPllVoltage = 0x03020016;
// Group 3 of the default board in firmware order, without the ratio and
// without the core selector and the limit table, whose values the firmware
// does not report.
constexpr uint32_t kGroup3[] = {kClock,     kCoreVoltage, kVttVoltage, kChipsetVoltage, kPllVoltage,
                                0x03020017, 0x03020026,   0x03020027,  0x03020031,      0x03020033,
                                0x03020034, 0x03080041,   0x03080042};

// Every group-3 item but the ratio with its value on the board now.
VeOcItemValueList BoardItems() {
    VeOcItemValueList items;
    for (uint32_t number : kGroup3) items.push_back(VeOcItemValue{number, SimulatedBoard::Peek(number)});
    return items;
}

VeOcItemValueList RatioValues(std::initializer_list<uint32_t> values) {
    VeOcItemValueList entries;
    for (uint32_t value : values) entries.push_back(VeOcItemValue{kRatio, value});
    return entries;
}

VeOcItemValueList Joined(VeOcItemValueList first, const VeOcItemValueList& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class BuiltInProfileTest : public ::testing::Test {
protected:
    void SetUp() override { SimulatedBoard::Load(""); }
    void TearDown() override { SimulatedBoard::ClearFaults(); }

    testsupport::MessageRecorder recorder;
};

TEST_F(BuiltInProfileTest, NamesAreTheStoredProfileTextsInOrder) {
    EXPECT_EQ((std::vector<std::string>{"Power Saving", "Gaming", "Extreme OC"}), BuiltInProfiles().Names());
    EXPECT_EQ(3u, BuiltInProfiles::Instance().Count());
    EXPECT_EQ("Gaming", BuiltInProfiles::Instance().Name(1));
    SimulatedBoard::SetFault(5, kFirmFaultListGroup);
    EXPECT_EQ(0u, BuiltInProfiles().Count());
}

TEST_F(BuiltInProfileTest, NamesReadWhileAnItemCannotBeDescribedAreReadAgain) {
    SimulatedBoard::SetFault(0x05080002, kFirmFaultDescribe);
    BuiltInProfiles names;
    EXPECT_EQ(0u, names.Count());
    names.ReadAgainIfIncomplete();
    EXPECT_EQ(0u, names.Count()) << "still failing";
    SimulatedBoard::ClearFaults();
    names.ReadAgainIfIncomplete();
    EXPECT_EQ(3u, names.Count());
    SimulatedBoard::SetFault(5, kFirmFaultListGroup);
    names.ReadAgainIfIncomplete();
    EXPECT_EQ(3u, names.Count()) << "a complete list is kept";
}

TEST_F(BuiltInProfileTest, ABuiltInProfileIsTheBaselineOverlaidWithItsPairs) {
    SimulatedBoard::Poke(kRatio, 255, 20);
    SimulatedBoard::Poke(kChipsetVoltage, 0, 7);
    SimulatedBoard::Poke(kClock, 0, 9);
    VeOcItemProfile profile;
    ASSERT_TRUE(profile.LoadFromFirmware(0));  // Power Saving: ratio 12, core voltage 60, clock 0

    VeOcItemValueList items = BoardItems();
    for (VeOcItemValue& item : items) {
        if (item.number == kCoreVoltage) item.value = 60;
        if (item.number == kClock) item.value = 0;
    }
    const VeOcItemValueList pairs{{kRatio, 12}, {kCoreVoltage, 60}, {kClock, 0}};
    EXPECT_EQ(Joined(Joined(RatioValues({12, 12, 12, 12}), items), pairs), profile.Entries());
}

TEST_F(BuiltInProfileTest, TheBaselineCarriesTheRatioDefaultOnceWhereCoresShareIt) {
    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("ratio-shared.json"));
    LuOcRatio ratio;
    VeOcItemProfile profile;
    ASSERT_TRUE(profile.LoadFromFirmware(1, 3, ratio));  // Gaming: ratio 30, core voltage 90, clock 30
    ASSERT_GE(profile.Count(), 1u);
    EXPECT_EQ((VeOcItemValue{kRatio, 30}), profile.Entry(0));
    EXPECT_NE(kRatio, profile.Entry(1).number);
}

TEST_F(BuiltInProfileTest, AnIndexAtOrBeyondTheCountOrARefusedReadFails) {
    VeOcItemProfile profile;
    EXPECT_FALSE(profile.LoadFromFirmware(3));
    EXPECT_FALSE(profile.LoadFromFirmware(0xFFFFFFFF));
    LuOcRatio ratio;
    EXPECT_FALSE(profile.LoadFromFirmware(3, 4, ratio));  // the firmware has no fourth
    SimulatedBoard::SetFault(0x05080002, kFirmFaultRead);
    EXPECT_FALSE(profile.LoadFromFirmware(0, 3, ratio));
}

TEST_F(BuiltInProfileTest, CurrentSettingsCarryEachCoresRatioAndLeaveOutWhatCannotBeRead) {
    for (uint32_t core = 0; core < 4; ++core) SimulatedBoard::Poke(kRatio, core, 20 + core);
    LuOcRatio ratio;
    VeOcItemValueList list{{1, 1}};
    list = CollectCurrentSettings(ratio, RatioEntries::CurrentValues);
    EXPECT_EQ(Joined(RatioValues({20, 21, 22, 23}), BoardItems()), list);

    SimulatedBoard::SetFault(kVttVoltage, kFirmFaultDescribe);
    SimulatedBoard::SetFault(kPllVoltage, kFirmFaultRead);
    list = CollectCurrentSettings(ratio, RatioEntries::DefaultIndex);
    VeOcItemValueList items = BoardItems();
    std::erase_if(items, [](const VeOcItemValue& item) {
        return item.number == kVttVoltage || item.number == kPllVoltage;
    });
    EXPECT_EQ(Joined(RatioValues({26, 26, 26, 26}), items), list);
}

TEST_F(BuiltInProfileTest, ABoardWithoutRatioGivesNoRatioEntries) {
    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("no-ratio.json"));
    LuOcRatio ratio;
    VeOcItemValueList list;
    list = CollectCurrentSettings(ratio, RatioEntries::CurrentValues);
    ASSERT_FALSE(list.empty());
    for (const VeOcItemValue& entry : list) EXPECT_NE(19u, entry.number & 0xFFFF);
}

}  // namespace
