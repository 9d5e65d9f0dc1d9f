// Settings kept across a suspend: taken when the system suspends, written
// back at the first resume, both only when the system-control service is
// reachable and not busy with the power change itself.

#include "tests/controller/ProgramFixture.h"
#include "tests/support/ServiceProcess.h"

#include <gtest/gtest.h>

#include <memory>

namespace controllertest {
namespace {

constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kRatio = 0x030C0013;
constexpr uint32_t kOptionWord = 0x00060001;
constexpr uint32_t kCompanionSwitch = 0x0B060001;

class PowerEvents : public ProgramFixture {
protected:
    void StartService(const char* state) {
        service = std::make_unique<testsupport::ServiceProcess>(std::vector<std::string>{"--state", state});
        ASSERT_TRUE(service->Listening());
    }
    void Suspend() { Send(WM_POWERBROADCAST, 0, PBT_APMSUSPEND); }
    void Resume(WPARAM event) { Send(WM_POWERBROADCAST, 0, event); }

    std::unique_ptr<testsupport::ServiceProcess> service;
};

TEST_F(PowerEvents, TheFirstResumeOfAWakeUpWritesTheSnapshotBack) {
    StartService("0");
    SimulatedBoard::Poke(kClock, 0, 40);
    Suspend();
    EXPECT_TRUE(Writes().empty());
    SimulatedBoard::Poke(kClock, 0, 0);  // the firmware forgot the setting while asleep

    Resume(PBT_APMRESUMEAUTOMATIC);
    EXPECT_EQ(Writes(), std::vector<std::string>{WriteCall(kClock, 40, 2)});
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 40u);

    Forget();
    SimulatedBoard::Poke(kClock, 0, 0);
    Resume(PBT_APMRESUMESUSPEND);
    EXPECT_TRUE(Writes().empty()) << "the second event of the same wake-up writes nothing";
    // Nothing of this is announced: the settings are what they were.
    EXPECT_TRUE(broadcasts.Heard().empty());
}

TEST_F(PowerEvents, ABusyOrAbsentServiceMakesPowerEventsDoNothing) {
    {
        StartService("2");
        SimulatedBoard::Poke(kClock, 0, 40);
        Suspend();
        service.reset();
    }
    StartService("0");
    SimulatedBoard::Poke(kClock, 0, 0);
    Resume(PBT_APMRESUMESUSPEND);
    EXPECT_TRUE(Writes().empty()) << "no snapshot was taken in state 2";

    Suspend();
    service.reset();
    SimulatedBoard::Poke(kClock, 0, 10);
    Resume(PBT_APMRESUMESUSPEND);
    EXPECT_TRUE(Writes().empty()) << "without the service a resume writes nothing";
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 10u);
}

TEST_F(PowerEvents, CompanionModeAtResumeKeepsTheSnapshotForALaterResume) {
    StartService("0");
    SimulatedBoard::Poke(kClock, 0, 40);
    Suspend();
    SimulatedBoard::Poke(kClock, 0, 0);
    SimulatedBoard::Poke(kCompanionSwitch, 0, 1);
    Resume(PBT_APMRESUMEAUTOMATIC);
    EXPECT_TRUE(Writes().empty());

    SimulatedBoard::Poke(kCompanionSwitch, 0, 0);
    Resume(PBT_APMRESUMESUSPEND);
    EXPECT_EQ(Writes(), std::vector<std::string>{WriteCall(kClock, 40, 2)});
}

TEST_F(PowerEvents, OptionBitSixLeavesTheRatioOutOfTheSnapshot) {
    StartService("0");
    SimulatedBoard::Poke(kOptionWord, 0, 0x40);
    const uint32_t ratio = SimulatedBoard::Peek(kRatio, 0);
    Suspend();
    SimulatedBoard::Poke(kRatio, 255, ratio + 2);
    SimulatedBoard::Poke(kClock, 0, 5);
    Resume(PBT_APMRESUMESUSPEND);
    EXPECT_EQ(SimulatedBoard::Peek(kRatio, 0), ratio + 2) << "the ratio is not restored";
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 0u) << "everything else is";
}

}  // namespace
}  // namespace controllertest
