// Short and malformed descriptions: the item keeps what it could read and
// never reads outside its own copy of the package.

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "kiln/arvex/BiosItem.h"
#include "kiln/arvex/BiosNumberItem.h"
#include "tests/support/Diagnostics.h"
#include "tests/arvex/PackageBuilder.h"

namespace {

using testsupport::AssertionStop;
using testsupport::MessageRecorder;

std::unique_ptr<kiln::BiosItem> Make(uint32_t number, const PackageBuilder& package, uint32_t cut = 0) {
    std::vector<uint8_t> bytes = package.Bytes();
    return kiln::BiosItem::Create(number, bytes.data(), static_cast<uint32_t>(bytes.size()) - cut);
}

constexpr uint32_t kNumber = 0x03810042;  // number item that may carry extra strings
constexpr uint32_t kString = 0x03080043;
constexpr uint32_t kBoolean = 0x03070044;

TEST(BiosItemParse, HeaderGivesNameAttributesAndSkipBit) {
    auto item = Make(kNumber, PackageBuilder().Int(kNumber).Str("CPU Clock").Int(0x40000001).Int(4).Int(10000)
                                  .Int(1).Int(5));
    EXPECT_EQ(item->Number(), kNumber);
    EXPECT_STREQ(item->Name(), "CPU Clock");
    EXPECT_EQ(item->Attributes(), 0x40000001u);
    EXPECT_TRUE(item->IsSkipped());
    EXPECT_EQ(item->DefaultIndex(), 4u);
    EXPECT_EQ(item->StepCount(), 5u);
    EXPECT_FALSE(Make(0x03010042, PackageBuilder::Number(0x03010042, 1, 1, 1))->HasExtraStrings());
}

TEST(BiosItemParse, FewerThanThreeElementsGiveAnItemWithoutSteps) {
    for (auto& package : {PackageBuilder(), PackageBuilder().Int(kNumber), PackageBuilder().Int(kNumber).Str("x")}) {
        auto item = Make(kNumber, package);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->StepCount(), 0u);
        EXPECT_EQ(item->DefaultIndex(), 0u);
        EXPECT_STREQ(item->Name(), "");
    }
}

TEST(BiosItemParse, NumberItemNeedsAllFourKindElements) {
    auto item = Make(kNumber, PackageBuilder().Int(kNumber).Str("x").Int(0).Int(3).Int(100).Int(1));
    EXPECT_EQ(item->StepCount(), 0u);
    EXPECT_EQ(item->DefaultIndex(), 0u);  // not read: the kind part was refused whole
}

TEST(BiosItemParse, BadExtraStringListKeepsTheNumericSteps) {
    const PackageBuilder base = PackageBuilder::Number(kNumber, 100, 1, 8);
    struct Case {
        const char* what;
        PackageBuilder package;
    } cases[] = {
        {"lone count", PackageBuilder(base).Int(1)},
        {"zero count", PackageBuilder(base).Int(0).Str("Auto")},
        {"count past the end", PackageBuilder(base).Int(3).Str("Auto").Str("Off")},
        {"unterminated text at the end", PackageBuilder(base).Int(1).Int(0x41414141)},
        {"string where the count belongs", PackageBuilder(base).Str("Auto").Str("Off")},
    };
    for (const Case& c : cases) {
        auto item = Make(kNumber, c.package);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(item->StepCount(), 8u);
        EXPECT_EQ(static_cast<kiln::BiosNumberItem&>(*item).ExtraStringCount(), 0u);
        EXPECT_EQ(item->IndexToString(0), "1.00");  // kind 1: two decimals
    }
}

TEST(BiosItemParse, StringItemCountMustFitThePackage) {
    auto good = Make(kString, PackageBuilder().Int(kString).Str("x").Int(0).Int(0).Int(2).Str("A").Str("B"));
    EXPECT_EQ(good->StepCount(), 2u);
    auto zero = Make(kString, PackageBuilder().Int(kString).Str("x").Int(0).Int(0).Int(0).Str("A"));
    EXPECT_EQ(zero->StepCount(), 0u);
    auto over = Make(kString, PackageBuilder().Int(kString).Str("x").Int(0).Int(0).Int(3).Str("A").Str("B"));
    EXPECT_EQ(over->StepCount(), 0u);
    EXPECT_EQ(over->IndexToString(0), "");
    auto tooShort = Make(kString, PackageBuilder().Int(kString).Str("x").Int(0).Int(1).Int(1));
    EXPECT_EQ(tooShort->StepCount(), 0u);
    EXPECT_EQ(tooShort->DefaultIndex(), 0u);
}

TEST(BiosItemParse, ForgedElementCountCannotMakeAStringCountTakeMemory) {
    // The header claims four billion elements, so a string count of nearly as
    // many passes the element check; the bytes hold one string.
    const std::pair<uint32_t, PackageBuilder> cases[] = {
        {kString, PackageBuilder().Int(kString).Str("x").Int(0).Int(0).Int(0xFFFFFFF0).Str("A")},
        {kNumber, PackageBuilder::Number(kNumber, 100, 1, 8).Int(0xFFFFFFF0).Str("Auto")},
    };
    for (const auto& [number, package] : cases) {
        std::vector<uint8_t> bytes = package.Bytes();
        const uint32_t claimed = 0xFFFFFFFF;
        std::memcpy(bytes.data(), &claimed, sizeof claimed);
        auto item = kiln::BiosItem::Create(number, bytes.data(), static_cast<uint32_t>(bytes.size()));
        EXPECT_EQ(item->StepCount(), number == kString ? 0u : 8u);
        EXPECT_STREQ(item->Name(), number == kString ? "x" : "Item");
    }
}

TEST(BiosItemParse, BooleanItemReadsItsDefaultWhenPresent) {
    EXPECT_EQ(Make(kBoolean, PackageBuilder().Int(kBoolean).Str("x").Int(0).Int(1))->DefaultIndex(), 1u);
    EXPECT_EQ(Make(kBoolean, PackageBuilder().Int(kBoolean).Str("x").Int(0))->DefaultIndex(), 0u);
}

TEST(BiosItemParse, PackageCutShortStopsAtTheLastWholeElement) {
    // The count claims seven elements but the bytes end inside the last one.
    auto item = Make(kNumber, PackageBuilder::Number(kNumber, 0x123, 0x4, 9), 2);
    auto& number = static_cast<kiln::BiosNumberItem&>(*item);
    EXPECT_EQ(number.BaseWord(), 0x123u);
    EXPECT_EQ(number.StepWord(), 0x4u);
    EXPECT_EQ(item->StepCount(), 0u);

    // A name whose terminator is missing is not a name, even though zeros
    // happen to follow the package in memory.
    std::vector<uint8_t> bytes = PackageBuilder().Int(kNumber).Str("Name").Int(0).Bytes();
    bytes.resize(bytes.size() - 9 - 1);  // drop the attribute element and the terminator
    auto unterminated = kiln::BiosItem::Create(kNumber, bytes.data(), static_cast<uint32_t>(bytes.size()));
    EXPECT_STREQ(unterminated->Name(), "");
}

TEST(BiosItemParse, ElementCountBeyondTheBytesIsHarmless) {
    PackageBuilder builder = PackageBuilder::Number(kNumber, 100, 1, 3);
    std::vector<uint8_t> bytes = builder.Bytes();
    uint32_t claimed = 1000;
    std::memcpy(bytes.data(), &claimed, 4);
    auto item = kiln::BiosItem::Create(kNumber, bytes.data(), static_cast<uint32_t>(bytes.size()));
    // Elements past the seventh do not exist, so the extra-string part fails
    // and the numeric steps stand.
    EXPECT_EQ(item->StepCount(), 3u);
}

TEST(BiosItemParse, ItemOwnsItsCopyOfThePackage) {
    constexpr uint32_t number = 0x03810045;
    std::vector<uint8_t> bytes = PackageBuilder::Number(number, 7, 1, 2).Int(1).Str("Auto").Bytes();
    auto item = kiln::BiosItem::Create(number, bytes.data(), static_cast<uint32_t>(bytes.size()));
    std::fill(bytes.begin(), bytes.end(), 0xCC);
    bytes.clear();
    bytes.shrink_to_fit();
    EXPECT_STREQ(item->Name(), "Item");
    EXPECT_EQ(item->IndexToString(0), "Auto");
    EXPECT_EQ(item->PackageSize(), static_cast<uint32_t>(PackageBuilder::Number(number, 7, 1, 2).Int(1).Str("Auto").Bytes().size()));
}

}  // namespace
