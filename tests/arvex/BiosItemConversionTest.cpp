// Step index conversions of the three item kinds, from descriptions built in
// memory and read through the firmware library's element walk.

#include <gtest/gtest.h>

#include "kiln/arvex/BiosItem.h"
#include "tests/support/Diagnostics.h"
#include "tests/arvex/PackageBuilder.h"

namespace {

using testsupport::AssertionStop;
using testsupport::MessageRecorder;

std::unique_ptr<kiln::BiosItem> Make(uint32_t number, const PackageBuilder& package) {
    std::vector<uint8_t> bytes = package.Bytes();
    return kiln::BiosItem::Create(number, bytes.data(), static_cast<uint32_t>(bytes.size()));
}

std::unique_ptr<kiln::BiosItem> MakeNumber(uint32_t number, uint32_t base, uint32_t step, uint32_t count) {
    return Make(number, PackageBuilder::Number(number, base, step, count));
}

constexpr uint32_t Exponent(int8_t e) { return static_cast<uint32_t>(static_cast<uint8_t>(e)) << 24; }
constexpr uint32_t S24(int32_t v) { return static_cast<uint32_t>(v) & 0xFFFFFF; }

struct Rational {
    int32_t numerator = -7;
    int32_t denominator = -7;
    bool ok = false;
};

Rational ToRational(const kiln::BiosItem& item, uint32_t index) {
    Rational r;
    r.ok = item.IndexToRational(index, r.numerator, r.denominator);
    return r;
}

class BiosItemConversion : public ::testing::Test {
protected:
    MessageRecorder recorder;
};

TEST_F(BiosItemConversion, KindCodeSetsDecimalShiftOfRationalValueAndText) {
    auto clock = MakeNumber(0x03010011, 10000, 1, 200);  // kind 1: shift 2
    Rational r = ToRational(*clock, 0);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.numerator, 10000);
    EXPECT_EQ(r.denominator, 100);
    EXPECT_DOUBLE_EQ(clock->IndexToValue(0), 100.0);
    EXPECT_EQ(clock->IndexToString(0), "100.00");
    EXPECT_EQ(clock->IndexToString(37), "100.37");

    auto volts = MakeNumber(0x03020030, 1100, 10, 50);  // kind 2: shift 3
    r = ToRational(*volts, 3);
    EXPECT_EQ(r.numerator, 1130);
    EXPECT_EQ(r.denominator, 1000);
    EXPECT_DOUBLE_EQ(volts->IndexToValue(3), 1.13);
    EXPECT_EQ(volts->IndexToString(3), "1.13");  // one common trailing zero drops a decimal

    auto multiplier = MakeNumber(0x030C0013, 8000, 1000, 40);  // kind 12: shift 3
    EXPECT_EQ(multiplier->IndexToString(2), "10");  // all three decimals are common zeros
    auto plain = MakeNumber(0x03060040, 100, 1, 4);  // kind 6: no shift
    EXPECT_EQ(plain->IndexToString(0), "100");
    EXPECT_TRUE(MessageRecorder::Messages().empty());
}

TEST_F(BiosItemConversion, ExtraStringsComeFirstInIndexOrder) {
    constexpr uint32_t number = 0x03820015;  // extra-strings flag, kind 2
    auto item = Make(number, PackageBuilder::Number(number, 1100, 10, 50).Int(2).Str("Auto").Str("Normal"));
    EXPECT_TRUE(item->HasExtraStrings());
    EXPECT_EQ(item->StepCount(), 52u);
    EXPECT_EQ(item->IndexToString(0), "Auto");
    EXPECT_EQ(item->IndexToString(1), "Normal");
    EXPECT_EQ(item->IndexToString(2), "1.10");
    Rational r = ToRational(*item, 2 + 3);
    EXPECT_EQ(r.numerator, 1130);
    EXPECT_EQ(r.denominator, 1000);
    EXPECT_EQ(item->IndexToString(2 + 3), "1.13");
    EXPECT_TRUE(MessageRecorder::Messages().empty());
}

TEST_F(BiosItemConversion, ExtraStringIndexHasNoNumber) {
    constexpr uint32_t number = 0x03810012;
    auto item = Make(number, PackageBuilder::Number(number, 10000, 1, 10).Int(1).Str("Auto"));
    Rational r = ToRational(*item, 0);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.numerator, -7);
    EXPECT_EQ(r.denominator, -7);
    EXPECT_EQ(item->IndexToValue(0), 0.0);
    using Message = std::pair<std::string, std::string>;
    EXPECT_EQ(MessageRecorder::Messages(),
              (std::vector<Message>{{"Can not convert extra string to value", "IndexToRational Fail"},
                                    {"Can not convert extra string to value", "IndexToValue Fail"}}));
}

TEST_F(BiosItemConversion, NegativeExponentDividesAndCountsAsDecimals) {
    // Exponent -1 with kind 1: three decimals in all.
    auto item = MakeNumber(0x03010021, Exponent(-1) | 1000, 5, 10);
    Rational r = ToRational(*item, 1);
    EXPECT_EQ(r.numerator, 1005);
    EXPECT_EQ(r.denominator, 1000);
    EXPECT_EQ(item->IndexToString(1), "1.005");
    // A step of 50 shares one trailing zero with the base: two decimals.
    auto coarse = MakeNumber(0x03010022, Exponent(-1) | 1000, 50, 10);
    EXPECT_EQ(coarse->IndexToString(1), "1.05");
}

TEST_F(BiosItemConversion, PositiveExponentMultipliesYetStillAddsDecimals) {
    auto item = MakeNumber(0x03060023, Exponent(1) | 5, 1, 10);
    Rational r = ToRational(*item, 2);
    EXPECT_EQ(r.numerator, 70);
    EXPECT_EQ(r.denominator, 1);
    EXPECT_DOUBLE_EQ(item->IndexToValue(2), 70.0);
    EXPECT_EQ(item->IndexToString(2), "70.0");
}

TEST_F(BiosItemConversion, TextsOfSmallNegativeAndWholeValues) {
    EXPECT_EQ(MakeNumber(0x03010024, 5, 5, 3)->IndexToString(0), "0.05");
    EXPECT_EQ(MakeNumber(0x03060025, Exponent(-1) | S24(-15), 1, 3)->IndexToString(0), "-1.5");
    EXPECT_EQ(MakeNumber(0x03060026, 100, 1, 3)->IndexToString(0), "100");
    // The step is a signed 24-bit value too.
    auto falling = MakeNumber(0x03060027, 0, S24(-1), 5);
    EXPECT_EQ(falling->IndexToValue(3), -3.0);
    EXPECT_EQ(falling->IndexToString(3), "-3");
    EXPECT_EQ(falling->IndexToString(0), "0");
    // A value below one in magnitude keeps its sign and leading zero.
    EXPECT_EQ(MakeNumber(0x03020028, S24(-5), 1, 3)->IndexToString(0), "-0.005");
}

TEST_F(BiosItemConversion, ExponentTooLargeForThirtyTwoBitsIsRefusedNotWrapped) {
    auto item = MakeNumber(0x03060029, Exponent(12) | 7, 1, 3);
    Rational r = ToRational(*item, 0);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.numerator, -7);
    EXPECT_DOUBLE_EQ(item->IndexToValue(0), 7e12);
}

TEST_F(BiosItemConversion, BooleanItemSupportsNoConversion) {
    constexpr uint32_t number = 0x03070005;
    auto item = Make(number, PackageBuilder().Int(number).Str("Switch").Int(0).Int(1));
    EXPECT_EQ(item->StepCount(), 0u);
    EXPECT_EQ(item->DefaultIndex(), 1u);
    Rational r = ToRational(*item, 1);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.numerator, -7);
    EXPECT_EQ(item->IndexToValue(1), 0.0);
    EXPECT_EQ(item->IndexToString(1), "");
    using Message = std::pair<std::string, std::string>;
    EXPECT_EQ(MessageRecorder::Messages(),
              (std::vector<Message>{{"Item[3070005] does not supports IndexToRational", "BiosItem"},
                                    {"Item[3070005] does not supports IndexToValue", "BiosItem"},
                                    {"Item[3070005] does not supports IndexToString", "BiosItem"}}));
}

TEST_F(BiosItemConversion, StringItemNamesItsStepsOnly) {
    constexpr uint32_t number = 0x030800a6;
    auto item = Make(number, PackageBuilder().Int(number).Str("Mode").Int(0).Int(1).Int(3).Str("Off").Str(
                                  "On").Str("Auto"));
    EXPECT_EQ(item->StepCount(), 3u);
    EXPECT_EQ(item->DefaultIndex(), 1u);
    EXPECT_EQ(item->IndexToString(0), "Off");
    EXPECT_EQ(item->IndexToString(2), "Auto");
    EXPECT_EQ(item->IndexToString(3), "");  // outside the table: nothing to show
    EXPECT_TRUE(MessageRecorder::Messages().empty());
    Rational r = ToRational(*item, 0);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(item->IndexToValue(0), 0.0);
    using Message = std::pair<std::string, std::string>;
    EXPECT_EQ(MessageRecorder::Messages(),
              (std::vector<Message>{{"Item[30800a6] does not supports IndexToRational", "BiosItem"},
                                    {"Item[30800a6] does not supports IndexToValue", "BiosItem"}}));
}

}  // namespace
