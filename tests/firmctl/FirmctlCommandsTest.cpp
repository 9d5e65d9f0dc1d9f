// firmctl's commands against the simulated default board shared with this
// test process: reads, writes, errors and exit codes, profiles, reset and
// call counts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/arvex/SimulatedBoard.h"
#include "tests/firmctl/FirmctlOutput.h"

namespace {

constexpr uint32_t kCoreVoltage = 0x03020012;  // base 0.800 V, 5 mV a step, 161 steps; now step 80

class Firmctl : public ::testing::Test {
protected:
    void SetUp() override { SimulatedBoard::Load(""); }

    static ChildResult Run(const std::string& arguments) {
        std::string board = SimulatedBoard::ShippedBoard("");
        std::string bin = board.substr(0, board.size() - std::string("boards\\").size());
        return RunChild(testsupport::Quote(bin + "firmctl.exe") + " " + arguments);
    }

    // A failing command says why in exactly one line on standard error.
    static void ExpectOneErrorLine(const ChildResult& run, const std::string& part) {
        std::vector<std::string> lines = SplitLines(run.err);
        ASSERT_EQ(lines.size(), 1u) << run.err;
        EXPECT_NE(lines[0].find(part), std::string::npos) << lines[0];
    }
};

TEST_F(Firmctl, GetAndSetGoThroughTheFirmware) {
    ChildResult get = Run("get 0x03020012");
    EXPECT_EQ(get.exitCode, 0u);
    EXPECT_EQ(get.out, "80\t1.200\n");

    ChildResult set = Run("set 0x03020012 90");
    EXPECT_EQ(set.exitCode, 0u) << set.err;
    EXPECT_EQ(set.out, "");
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 90u);
    EXPECT_EQ(Run("get 50462738").out, "90\t1.250\n");  // the same item in decimal
}

TEST_F(Firmctl, SetWritesWithTheTuningModeUnlessToldOtherwise) {
    JournalScope journal;
    Run("set 0x03020012 91");
    Run("set 0x03020012 92 1");
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{WriteCall(kCoreVoltage, 91, 2), WriteCall(kCoreVoltage, 92, 1)}));
}

TEST_F(Firmctl, FailuresExitNonZeroWithOneLineAndChangeNothing) {
    ChildResult unknown = Run("get 0x03020099");
    EXPECT_NE(unknown.exitCode, 0u);
    ExpectOneErrorLine(unknown, "unknown item 0x03020099");

    ChildResult outside = Run("set 0x03020012 161");
    EXPECT_NE(outside.exitCode, 0u);
    ExpectOneErrorLine(outside, "161");
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 80u);

    SimulatedBoard::SetFault(kCoreVoltage, kFirmFaultRead | kFirmFaultWrite);
    ChildResult read = Run("get 0x03020012");
    EXPECT_NE(read.exitCode, 0u);
    ExpectOneErrorLine(read, "cannot read item 0x03020012");
    ChildResult write = Run("set 0x03020012 85");
    EXPECT_NE(write.exitCode, 0u);
    ExpectOneErrorLine(write, "cannot write 85 to item 0x03020012");

    SimulatedBoard::SetFault(3, kFirmFaultListGroup);
    ChildResult list = Run("items 3");
    EXPECT_NE(list.exitCode, 0u);
    ExpectOneErrorLine(list, "cannot list group 3");
}

TEST_F(Firmctl, ItemListingGoesOnPastAnUnreadableItem) {
    SimulatedBoard::SetFault(kCoreVoltage, kFirmFaultRead);
    ChildResult run = Run("items 3");
    EXPECT_NE(run.exitCode, 0u);
    ExpectOneErrorLine(run, "cannot read item 0x03020012");
    std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[2], "0x03020012\tCPU Core Voltage\tnumber\t0x00000000\t80\t161\t-\t-");
    EXPECT_EQ(SplitTabs(lines[3])[0], "0x03020032");
}

TEST_F(Firmctl, BadUsageExitsTwo) {
    for (const char* arguments : {"", "frobnicate", "items", "items 300", "items 0xZZ", "get", "set 0x03020012",
                                  "set 0x03020012 -1", "steps 1 2"}) {
        SCOPED_TRACE(arguments);
        ChildResult run = Run(arguments);
        EXPECT_EQ(run.exitCode, 2u);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(run.err.empty());
    }
}

TEST_F(Firmctl, ProfilesListNamesAndPairs) {
    ChildResult run = Run("profiles");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out,
              "0\tPower Saving\n\t0x030C0013\t12\n\t0x03020012\t60\n\t0x03010011\t0\n"
              "1\tGaming\n\t0x030C0013\t30\n\t0x03020012\t90\n\t0x03010011\t30\n"
              "2\tExtreme OC\n\t0x030C0013\t32\n\t0x03020012\t110\n\t0x03020032\t25\n\t0x03010011\t50\n");
}

TEST_F(Firmctl, ResetRestoresTheBoardsValues) {
    Run("set 0x03020012 100");
    ASSERT_EQ(SimulatedBoard::Peek(kCoreVoltage), 100u);
    ChildResult run = Run("reset");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 80u);
}

TEST_F(Firmctl, CountShowsTheCallsOfTheCommand) {
    // The core voltage is the second item of group 3: one list, two
    // descriptions, one read.
    ChildResult run = Run("--count get 0x03020012");
    EXPECT_EQ(run.exitCode, 0u);
    std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 2u + 12u);
    EXPECT_EQ(lines[0], "80\t1.200");
    EXPECT_EQ(lines[1], "ordinal\tcalls");
    std::vector<std::string> expected = {"1\t1", "2\t0", "3\t1", "4\t0", "5\t1", "11\t2", "12\t0", "13\t0"};
    for (const std::string& line : expected)
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

}  // namespace
