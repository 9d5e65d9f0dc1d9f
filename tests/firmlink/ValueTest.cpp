// Reading and writing step indexes: the step table guards writes, the core
// selector routes the ratio, limits and stored profiles answer from the board.

#include <cstring>

#include "tests/firmlink/FirmlinkFixture.h"

namespace {

constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kRatio = 0x030C0013;
constexpr uint32_t kSelector = 0x030600F0;
constexpr uint32_t kLimits = 0x030600F1;
constexpr uint32_t kProfiles = 0x05080002;

using ValueTest = FirmlinkTest;

TEST_F(ValueTest, WriteAtOrBeyondStepCountFailsAndChangesNothing) {
    EXPECT_EQ(FirmWriteItem(kClock, 4000, 2) & 1, 1u);
    EXPECT_EQ(Read(kClock), 4000u);
    EXPECT_EQ(FirmWriteItem(kClock, 4001, 2) & 1, 0u);
    EXPECT_EQ(FirmWriteItem(kClock, 0xFFFFFFFF, 2) & 1, 0u);
    EXPECT_EQ(Read(kClock), 4000u);

    // String items: one index per string.
    EXPECT_EQ(FirmWriteItem(0x03080041, 2, 2) & 1, 0u);
    EXPECT_EQ(Read(0x03080041), 1u);
    EXPECT_EQ(FirmWriteItem(0x03080041, 0, 2) & 1, 1u);
    EXPECT_EQ(Read(0x03080041), 0u);

    // Boolean items: 0 and 1.
    EXPECT_EQ(FirmWriteItem(0x00070010, 2, 1) & 1, 0u);
    EXPECT_EQ(FirmWriteItem(0x00070010, 0, 1) & 1, 1u);
    EXPECT_EQ(Read(0x00070010), 0u);
}

TEST_F(ValueTest, FlagItemsTakeAnyValue) {
    EXPECT_EQ(Read(0x00060008) & 2u, 2u);
    EXPECT_EQ(Read(0x00060009) & 2u, 2u);
    EXPECT_EQ(FirmWriteItem(0x00060001, 0xFFFFFFFF, 1) & 1, 1u);
    EXPECT_EQ(Read(0x00060001), 0xFFFFFFFFu);
    EXPECT_EQ(FirmWriteItem(0x0B060001, 1, 1) & 1, 1u);
    EXPECT_EQ(Read(0x0B060001), 1u);
}

TEST_F(ValueTest, UnknownItemsAndNullOutputsFail) {
    uint32_t value = 77;
    EXPECT_EQ(FirmReadItem(0x03020099, &value) & 1, 0u);
    EXPECT_EQ(value, 77u);
    EXPECT_EQ(FirmWriteItem(0x03020099, 0, 2) & 1, 0u);
    EXPECT_EQ(FirmReadItem(kClock, nullptr) & 1, 0u);
}

TEST_F(ValueTest, SelectorRoutesRatioReadsAndWritesToOneCore) {
    ASSERT_EQ(FirmWriteItem(kSelector, 2, 1) & 1, 1u);
    EXPECT_EQ(Read(kSelector), 2u);
    ASSERT_EQ(FirmWriteItem(kRatio, 10, 2) & 1, 1u);
    EXPECT_EQ(Read(kRatio), 10u);
    EXPECT_EQ(Peek(kRatio, 0), 26u);
    EXPECT_EQ(Peek(kRatio, 1), 26u);
    EXPECT_EQ(Peek(kRatio, 2), 10u);
    EXPECT_EQ(Peek(kRatio, 3), 26u);

    ASSERT_EQ(FirmWriteItem(kSelector, 0, 1) & 1, 1u);
    EXPECT_EQ(Read(kRatio), 26u);

    // The ratio's step table still guards every core.
    EXPECT_EQ(FirmWriteItem(kRatio, 33, 2) & 1, 0u);
    EXPECT_EQ(Peek(kRatio, 0), 26u);

    // Only existing cores (and 255) can be selected.
    EXPECT_EQ(FirmWriteItem(kSelector, 4, 1) & 1, 0u);
    EXPECT_EQ(Read(kSelector), 0u);
}

TEST_F(ValueTest, WriteWithAllCoresSelectedCommitsWhatEachCoreHoldsAndReadsTheLast) {
    const uint32_t set[4] = {20, 21, 22, 23};
    for (uint32_t core = 0; core < 4; ++core) {
        ASSERT_EQ(FirmWriteItem(kSelector, core, 1) & 1, 1u);
        ASSERT_EQ(FirmWriteItem(kRatio, set[core], 2) & 1, 1u);
    }
    ASSERT_EQ(FirmWriteItem(kSelector, 255, 1) & 1, 1u);
    EXPECT_EQ(FirmWriteItem(kRatio, 5, 2) & 1, 1u);
    for (uint32_t core = 0; core < 4; ++core) EXPECT_EQ(Peek(kRatio, core), set[core]) << core;
    // The commit still answers to the step table.
    EXPECT_EQ(FirmWriteItem(kRatio, 33, 2) & 1, 0u);

    ASSERT_EQ(poke(kRatio, 3, 7), 1u);
    EXPECT_EQ(Read(kRatio), 7u);
    EXPECT_EQ(Peek(kRatio, 255), 7u);
    EXPECT_EQ(Read(kSelector), 255u);
}

TEST_F(ValueTest, ItemsWithoutCoresIgnoreTheSelector) {
    ASSERT_EQ(FirmWriteItem(kSelector, 3, 1) & 1, 1u);
    ASSERT_EQ(FirmWriteItem(kClock, 12, 2) & 1, 1u);
    ASSERT_EQ(FirmWriteItem(kSelector, 1, 1) & 1, 1u);
    EXPECT_EQ(Read(kClock), 12u);
}

TEST_F(ValueTest, TwoCoreBoardSelectsOnlyTwoCores) {
    ASSERT_TRUE(LoadBoard(FirmlinkFolder() + "boards\\two-cores.json")) << lastError();
    EXPECT_EQ(Describe(kSelector).at(6).integer, 2u);
    EXPECT_EQ(FirmWriteItem(kSelector, 2, 1) & 1, 0u);
    ASSERT_EQ(FirmWriteItem(kSelector, 1, 1) & 1, 1u);
    EXPECT_EQ(Read(kRatio), 24u);
    EXPECT_EQ(FirmWriteItem(kSelector, 255, 1) & 1, 1u);
    EXPECT_EQ(Read(kRatio), 24u);
}

TEST_F(ValueTest, ResetBringsBackTheBoardValuesAndCore) {
    ASSERT_EQ(FirmWriteItem(kClock, 99, 2) & 1, 1u);
    ASSERT_EQ(FirmWriteItem(kSelector, 255, 1) & 1, 1u);
    ASSERT_EQ(FirmWriteItem(kRatio, 3, 2) & 1, 1u);
    ASSERT_EQ(reset(), 1u);
    EXPECT_EQ(Read(kClock), 0u);
    EXPECT_EQ(Read(kSelector), 0u);
    for (uint32_t core = 0; core < 4; ++core) EXPECT_EQ(Peek(kRatio, core), 26u);
}

TEST_F(ValueTest, PokeStoresValuesOutsideTheTableForTests) {
    ASSERT_EQ(poke(0x03080041, 0, 9), 1u);
    EXPECT_EQ(Read(0x03080041), 9u);
    EXPECT_EQ(poke(0x03020099, 0, 1), 0u);
    uint32_t value = 0;
    EXPECT_EQ(peek(kRatio, 4, &value), 0u);
}

TEST_F(ValueTest, LimitTableGivesLimitInHighHalf) {
    uint32_t value = 0;
    ASSERT_EQ(FirmReadItemLimit(kLimits, 0x0012, &value) & 1, 1u);
    EXPECT_EQ(value >> 16, 100u);
    EXPECT_EQ(value & 0xFFFF, 0u);
    ASSERT_EQ(FirmReadItemLimit(kLimits, 0x0032, &value) & 1, 1u);
    EXPECT_EQ(value >> 16, 30u);
    // An item without a limit answers 0.
    ASSERT_EQ(FirmReadItemLimit(kLimits, 0x0011, &value) & 1, 1u);
    EXPECT_EQ(value, 0u);
    // Only the limit table answers.
    EXPECT_EQ(FirmReadItemLimit(kClock, 0x0012, &value) & 1, 0u);
    EXPECT_EQ(FirmReadItemLimit(kLimits, 0x0012, nullptr) & 1, 0u);
}

TEST_F(ValueTest, StoredProfilesArePairsEndedByAllOnes) {
    const auto names = Describe(kProfiles);
    ASSERT_EQ(names.at(4).integer, 3u);
    for (uint32_t index = 0; index < 3; ++index) {
        uint32_t words[kFirmPackageCapacity / 4];
        uint32_t size = sizeof words;
        ASSERT_EQ(FirmReadStoredProfile(kProfiles, index, words, &size) & 1, 1u) << index;
        ASSERT_EQ(size % 8, 0u);  // word 0, the pairs, the end mark
        const uint32_t pairs = (size / 4 - 2) / 2;
        EXPECT_EQ(words[0], pairs);
        EXPECT_EQ(words[1 + 2 * pairs], 0xFFFFFFFFu);
        for (uint32_t p = 0; p < pairs; ++p) {
            const auto description = Describe(words[1 + 2 * p]);
            ASSERT_FALSE(description.empty()) << "profile names an item the board lacks";
        }
    }
    uint32_t words[64];
    uint32_t size = sizeof words;
    EXPECT_EQ(FirmReadStoredProfile(kProfiles, 3, words, &size) & 1, 0u);
    EXPECT_EQ(FirmReadStoredProfile(kClock, 0, words, &size) & 1, 0u);
    size = 8;
    EXPECT_EQ(FirmReadStoredProfile(kProfiles, 0, words, &size) & 1, 0u);
}

TEST_F(ValueTest, ExtremeProfileExceedsTheCoreVoltageLimit) {
    uint32_t words[kFirmPackageCapacity / 4];
    uint32_t size = sizeof words;
    ASSERT_EQ(FirmReadStoredProfile(kProfiles, 2, words, &size) & 1, 1u);
    uint32_t limit = 0;
    ASSERT_EQ(FirmReadItemLimit(kLimits, 0x0012, &limit) & 1, 1u);
    bool found = false;
    for (uint32_t w = 1; w + 1 < size / 4 && words[w] != 0xFFFFFFFF; w += 2)
        if (words[w] == 0x03020012) found = words[w + 1] > (limit >> 16);
    EXPECT_TRUE(found);
}

}  // namespace
