// One firmware per machine: values and faults seen by a second process, the
// call journal, fault injection and per-ordinal call counts.

#include <sstream>

#include "tests/firmlink/FirmlinkFixture.h"
#include "tests/support/ChildProcess.h"

namespace {

constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kVcore = 0x03020012;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

using MachineTest = FirmlinkTest;

TEST_F(MachineTest, SecondProcessSeesTheSameValues) {
    ASSERT_EQ(FirmWriteItem(kClock, 321, 2) & 1, 1u);
    std::string output;
    ASSERT_EQ(RunPeer("read 0x03010011", &output), 0);
    EXPECT_EQ(output.substr(0, 10), "0x00000141");

    ASSERT_EQ(RunPeer("write 0x03020012 90"), 0);
    EXPECT_EQ(Read(kVcore), 90u);
    // The other process's refused write changes nothing here either.
    EXPECT_EQ(RunPeer("write 0x03020012 161"), 1);
    EXPECT_EQ(Read(kVcore), 90u);
}

// Reads go without the machine's lock while nobody changes the values; one
// that overlaps a change must wait for it rather than see it half done (a
// reset empties the memory before filling it again).
TEST_F(MachineTest, ReadsDuringAnotherProcessesResetsSeeWholeValues) {
    const uint32_t board = Read(kClock);
    testsupport::ChildProcess peer(testsupport::Quote(testsupport::TestFolder() + "FirmPeer.exe") + " reset-many 5000");
    ASSERT_TRUE(peer.Started());
    int reads = 0;
    for (; peer.Running(); ++reads) {
        uint32_t value = 0;
        ASSERT_EQ(FirmReadItem(kClock, &value) & 1, 1u) << "read " << reads;
        ASSERT_EQ(value, board) << "read " << reads;
    }
    DWORD exitCode = 1;
    EXPECT_TRUE(peer.WaitForExit(0, &exitCode) && exitCode == 0);
    EXPECT_GT(reads, 0);
}

TEST_F(MachineTest, ProcessMustInitialiseBeforeReading) {
    EXPECT_EQ(RunPeer("cold-read 0x03010011"), 1);
    EXPECT_EQ(RunPeer("read 0x03010011"), 0);
}

TEST_F(MachineTest, FaultsAreMachineWide) {
    ASSERT_EQ(setFault(kClock, kFirmFaultRead), 1u);
    EXPECT_EQ(RunPeer("read 0x03010011"), 1);
    clearFaults();
    EXPECT_EQ(RunPeer("read 0x03010011"), 0);
}

TEST_F(MachineTest, JournalRecordsEachCallInOrder) {
    TempFile journal("firmlink-journal-test.txt", "");
    ASSERT_TRUE(SetEnvironmentVariableA("FIRMLINK_JOURNAL", journal.path().c_str()));
    FirmWriteItem(kClock, 5, 2);
    FirmWriteItem(kClock, 4001, 2);
    uint32_t value = 0;
    FirmReadItem(kClock, &value);
    FirmReadItemLimit(0x030600F1, 0x12, &value);
    unsigned char buffer[kFirmPackageCapacity];
    uint32_t size = sizeof buffer;
    FirmListGroup(11, buffer, &size);
    size = sizeof buffer;
    FirmDescribeItem(FirmElementData(FirmFirstElement(buffer)), buffer, &size);
    SetEnvironmentVariableA("FIRMLINK_JOURNAL", nullptr);
    FirmWriteItem(kClock, 6, 2);  // no longer journaled

    const auto lines = Lines(ReadWholeFile(journal.path()));
    const std::vector<std::string> expected = {
        "2 0x03010011 0x00000005 0x00000002 -> 0x00000001",
        "2 0x03010011 0x00000FA1 0x00000002 -> 0x00000000",
        "3 0x03010011 -> 0x00000001 0x00000005",
        "12 0x030600F1 0x00000012 -> 0x00000001 0x00640000",
        "5 0x0000000B -> 0x00000001 0x0000000D",
    };
    ASSERT_GE(lines.size(), expected.size() + 3);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]);
    // The walk between list and describe is journaled too; the describe names
    // the item behind the list data.
    EXPECT_EQ(lines[5].substr(0, 2), "6 ");
    EXPECT_EQ(lines[6].substr(0, 2), "9 ");
    EXPECT_EQ(lines.back().substr(0, 29), "11 0x0B060001 -> 0x00000001 0");
}

TEST_F(MachineTest, InjectedFaultsFailOnlyTheirCalls) {
    ASSERT_EQ(setFault(kVcore, kFirmFaultWrite), 1u);
    EXPECT_EQ(FirmWriteItem(kVcore, 81, 2) & 1, 0u);
    EXPECT_EQ(Read(kVcore), 80u);

    ASSERT_EQ(setFault(kVcore, kFirmFaultRead | kFirmFaultDescribe), 1u);
    uint32_t value = 0;
    EXPECT_EQ(FirmReadItem(kVcore, &value) & 1, 0u);
    EXPECT_TRUE(Describe(kVcore).empty());
    EXPECT_EQ(FirmWriteItem(kVcore, 81, 2) & 1, 1u) << "setting faults replaces the earlier ones";

    ASSERT_EQ(setFault(3, kFirmFaultListGroup), 1u);
    EXPECT_TRUE(ListGroup(3).empty());
    EXPECT_FALSE(ListGroup(5).empty());

    ASSERT_EQ(setFault(kVcore, 0), 1u);
    EXPECT_EQ(Read(kVcore), 81u);
    clearFaults();
    EXPECT_FALSE(ListGroup(3).empty());

    // Faults need something to fail.
    EXPECT_EQ(setFault(0x03020099, kFirmFaultRead), 0u);
    EXPECT_EQ(setFault(7, kFirmFaultListGroup), 0u);
    EXPECT_EQ(setFault(kVcore, kFirmFaultListGroup | kFirmFaultRead), 0u);
}

TEST_F(MachineTest, BoardFaultsApplyFromTheStartAndAfterReset) {
    TempFile board("firmlink-faulty-board.json", R"({
  "interface": { "strings": ["V", "1"], "words": [0, "0x03000000"] },
  "groups": [
    { "group": 3, "items": [
      { "number": "0x03010011", "name": "Clock", "base": 10000, "step": 10, "count": 11, "default": 0, "current": 0, "faults": ["write"] }
    ] },
    { "group": 5, "faults": ["list"], "items": [] }
  ]
})");
    ASSERT_TRUE(LoadBoard(board.path())) << lastError();
    EXPECT_EQ(FirmWriteItem(kClock, 1, 2) & 1, 0u);
    EXPECT_TRUE(ListGroup(5).empty());
    clearFaults();
    EXPECT_EQ(FirmWriteItem(kClock, 1, 2) & 1, 1u);
    ASSERT_EQ(reset(), 1u);
    EXPECT_EQ(Read(kClock), 0u);
    EXPECT_EQ(FirmWriteItem(kClock, 1, 2) & 1, 0u);
}

TEST_F(MachineTest, CallCountsCountOrdinalsNotExtras) {
    resetCounts();
    FirmWriteItem(kClock, 1, 2);
    FirmWriteItem(kClock, 2, 2);
    uint32_t value = 0;
    FirmReadItem(kClock, &value);
    peek(kClock, 0, &value);
    poke(kClock, 0, 3);
    EXPECT_EQ(callCount(2), 2u);
    EXPECT_EQ(callCount(3), 1u);
    EXPECT_EQ(callCount(1), 0u);
    EXPECT_EQ(callCount(99), 0u);
    resetCounts();
    EXPECT_EQ(callCount(2), 0u);
}

}  // namespace
