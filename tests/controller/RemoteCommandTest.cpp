// What other programs of the maker get done by message: one item written,
// settings saved and written back, built-in profiles applied, each followed
// by the settings-changed broadcast.

#include "tests/controller/ProgramFixture.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

namespace controllertest {
namespace {

constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kRatio = 0x030C0013;
constexpr uint32_t kCoreVoltage = 0x03020012;
using veltrune::msg::kRemoteWrite;
using veltrune::msg::kRemoteCommand;
using veltrune::msg::kChangedByApply;
using veltrune::msg::kChangedByBuiltInProfile;

using RemoteCommands = ProgramFixture;

TEST_F(RemoteCommands, RemoteWriteSetsTheBaseClockAsATuningWriteAndBroadcasts) {
    Send(kRemoteWrite, 250);
    EXPECT_EQ(Writes(), std::vector<std::string>{WriteCall(kClock, 250, 2)});
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 250u);
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{kChangedByApply});

    // The whole wParam must be the tag.
    Forget();
    Send(kRemoteWrite, 300, 0x155);
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(broadcasts.Heard().empty());
}

TEST_F(RemoteCommands, SnapshotAndImmediateRestoreWritesNothingNewAndBroadcasts) {
    SimulatedBoard::Poke(kClock, 0, 40);
    Send(kRemoteCommand, 0x8000);
    // What was read is what the board holds: nothing differs, nothing is written.
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 40u);
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{kChangedByApply});
}

TEST_F(RemoteCommands, BuiltInProfileAfterASnapshotIsUndoneByRestore) {
    SimulatedBoard::Poke(kClock, 0, 40);
    const uint32_t voltage = SimulatedBoard::Peek(kCoreVoltage);

    Send(kRemoteCommand, 0x8002);  // snapshot, then built-in profile 1 ("Gaming")
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{kChangedByBuiltInProfile});
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 30u);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 90u);
    for (uint32_t core = 0; core < 4; ++core) EXPECT_EQ(SimulatedBoard::Peek(kRatio, core), 30u) << core;

    Forget();
    Send(kRemoteCommand, 0);
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{kChangedByApply});
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 40u);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), voltage);

    // The snapshot was consumed: a second restore does nothing.
    Forget();
    Send(kRemoteCommand, 0);
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(broadcasts.Heard().empty());
}

TEST_F(RemoteCommands, UnknownActionsAndARestoreWithoutSnapshotDoNothing) {
    Send(kRemoteCommand, 0x0004);
    Send(kRemoteCommand, 0);
    Send(kRemoteCommand, 0x00FF);
    Send(kRemoteCommand, 1, 0x155);  // tag only in the low byte: ignored
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(broadcasts.Heard().empty());
}

TEST_F(RemoteCommands, AnItemThatCannotBeReadIsLeftOutOfTheSnapshot) {
    SimulatedBoard::SetFault(kCoreVoltage, kFirmFaultRead);
    Send(kRemoteCommand, 0x8001);  // snapshot without the voltage, then "Power Saving"
    SimulatedBoard::ClearFaults();
    SimulatedBoard::Poke(kCoreVoltage, 0, 77);

    Forget();
    Send(kRemoteCommand, 0);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 77u) << "no value the firmware never gave is written back";
    for (const std::string& write : Writes()) EXPECT_EQ(write.find("0x03020012"), std::string::npos) << write;
}

}  // namespace
}  // namespace controllertest
