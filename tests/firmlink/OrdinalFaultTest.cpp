// Failing whole ordinals: every call, one counted call, from a call on, or
// at random from a seed, for every process of the machine, journalled like
// any failure and ended by clearing the faults.

#include <cstring>

#include "tests/firmlink/FirmlinkFixture.h"
#include "tests/support/ChildProcess.h"

namespace {

constexpr uint32_t kClock = 0x03010011;

class OrdinalFaultTest : public FirmlinkTest {
protected:
    void SetUp() override {
        FirmlinkTest::SetUp();
        fail = FirmSimFunction<FirmFailOrdinalFn>("FirmSimFailOrdinal");
        ASSERT_NE(fail, nullptr);
    }
    void TearDown() override {
        clearFaults();
        FirmlinkTest::TearDown();
    }
    bool ReadWorks() {
        uint32_t value = 0;
        return (FirmReadItem(kClock, &value) & 1) != 0;
    }

    FirmFailOrdinalFn fail = nullptr;
};

TEST_F(OrdinalFaultTest, EachModeFailsTheCallsItNames) {
    ASSERT_EQ(fail(3, kFirmFailNthCall, 2, 0), 1u);
    EXPECT_TRUE(ReadWorks());
    EXPECT_FALSE(ReadWorks());
    EXPECT_TRUE(ReadWorks());

    ASSERT_EQ(fail(3, kFirmFailFromNthCall, 2, 0), 1u);
    EXPECT_TRUE(ReadWorks());
    EXPECT_FALSE(ReadWorks());
    EXPECT_FALSE(ReadWorks());

    ASSERT_EQ(fail(3, kFirmFailEveryCall, 0, 0), 1u);
    EXPECT_FALSE(ReadWorks());
    EXPECT_EQ(fail(3, kFirmFailNever, 0, 0), 1u);
    EXPECT_TRUE(ReadWorks());
}

TEST_F(OrdinalFaultTest, TheSameSeedFailsTheSameCalls) {
    auto pattern = [this](uint32_t seed) {
        EXPECT_EQ(fail(3, kFirmFailRandomly, 300, seed), 1u);
        std::string calls;
        for (int i = 0; i < 64; ++i) calls += ReadWorks() ? '.' : 'x';
        return calls;
    };
    const std::string first = pattern(7);
    EXPECT_EQ(pattern(7), first);
    EXPECT_NE(pattern(8), first);
    EXPECT_NE(first.find('x'), std::string::npos);
    EXPECT_NE(first.find('.'), std::string::npos);
}

TEST_F(OrdinalFaultTest, FailingCallsChangeNothingAndLeaveEmptyPackages) {
    for (uint32_t ordinal : {2u, 5u, 6u, 7u, 9u, 10u, 11u}) ASSERT_EQ(fail(ordinal, kFirmFailEveryCall, 0, 0), 1u);
    EXPECT_EQ(FirmWriteItem(kClock, 40, 2), 0u);
    EXPECT_EQ(Peek(kClock, 0), 0u);

    std::vector<unsigned char> buffer(kFirmPackageCapacity, 0xCC);
    uint32_t size = kFirmPackageCapacity;
    EXPECT_EQ(FirmListGroup(3, buffer.data(), &size), 0u);
    EXPECT_EQ(size, 4u);
    uint32_t count = 1;
    std::memcpy(&count, buffer.data(), sizeof count);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(FirmFirstElement(buffer.data()), nullptr);
    EXPECT_EQ(FirmElementCount(buffer.data()), 0u);
    EXPECT_EQ(FirmElementData(buffer.data() + 4), nullptr);
    EXPECT_EQ(FirmNextElement(buffer.data() + 4), nullptr);
    uint32_t number = kClock;
    size = kFirmPackageCapacity;
    EXPECT_EQ(FirmDescribeItem(&number, buffer.data(), &size), 0u);
    EXPECT_EQ(size, 4u);

    clearFaults();
    EXPECT_EQ(FirmWriteItem(kClock, 40, 2) & 1, 1u);
    EXPECT_EQ(ListGroup(3).empty(), false);
}

TEST_F(OrdinalFaultTest, AFailingCallIsCountedAndJournalled) {
    const std::string journal = testsupport::TempPath("ordinal-fault.journal");
    DeleteFileA(journal.c_str());
    SetEnvironmentVariableA("FIRMLINK_JOURNAL", journal.c_str());
    resetCounts();
    ASSERT_EQ(fail(12, kFirmFailEveryCall, 0, 0), 1u);
    uint32_t value = 0;
    EXPECT_EQ(FirmReadItemLimit(0x030600F1, 0x11, &value), 0u);
    SetEnvironmentVariableA("FIRMLINK_JOURNAL", nullptr);
    EXPECT_EQ(callCount(12), 1u);
    EXPECT_EQ(ReadWholeFile(journal), "12 0x030600F1 0x00000011 -> 0x00000000\n");
    DeleteFileA(journal.c_str());
}

TEST_F(OrdinalFaultTest, AnotherProcessMeetsTheFaultAndAResetEndsIt) {
    ASSERT_EQ(fail(3, kFirmFailEveryCall, 0, 0), 1u);
    EXPECT_EQ(RunPeer("read 0x03010011"), 1);
    ASSERT_EQ(reset(), 1u);
    EXPECT_EQ(RunPeer("read 0x03010011"), 0);
}

TEST_F(OrdinalFaultTest, UnknownOrdinalsModesAndCountsAreRefused) {
    EXPECT_EQ(fail(0, kFirmFailEveryCall, 0, 0), 0u);
    EXPECT_EQ(fail(8, kFirmFailEveryCall, 0, 0), 0u);
    EXPECT_EQ(fail(14, kFirmFailEveryCall, 0, 0), 0u);
    EXPECT_EQ(fail(3, 5, 0, 0), 0u);
    EXPECT_EQ(fail(3, kFirmFailNthCall, 0, 0), 0u);
    EXPECT_EQ(fail(3, kFirmFailRandomly, 1001, 1), 0u);
    EXPECT_TRUE(ReadWorks());
}

}  // namespace
