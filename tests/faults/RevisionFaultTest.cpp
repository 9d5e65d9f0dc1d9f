// The firmware's revision is asked on first use and kept. A first question
// that fails must not decide for the whole process: on this revision-3 board
// an Apply after the fault has cleared still marks the calibration the
// companion relies on. Runs in a process of its own, where nothing has asked
// the revision yet.

#include "tests/faults/FaultFixture.h"

#include "kiln/Component/AlphaButton.h"

#include <gtest/gtest.h>

namespace faultstest {
namespace {

constexpr const char* kAdvanceKey = "Software\\ARVEX\\Ecolift3\\Advance";

DWORD CalibrationNeeded() {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kAdvanceKey, "CalibrationNeeded", RRF_RT_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return 0;
    return value;
}

using RevisionFault = FaultFixture;

TEST_F(RevisionFault, AFailedFirstQueryIsAskedAgainOnceTheFirmwareAnswers) {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kAdvanceKey, "CalibrationNeeded");
    FaultCase{4, kFirmFailEveryCall, 0, 0}.Inject();
    Click(Find<kiln::AlphaButton>(Part(kClock, "Increase")));
    EXPECT_EQ(ApplyAnsweringYes(), std::vector<std::string>{kUnstable});
    EXPECT_EQ(CalibrationNeeded(), 0u) << "without an answer the firmware counts as older";

    SimulatedBoard::ClearFaults();
    Click(Find<kiln::AlphaButton>(Part(kClock, "Increase")));
    EXPECT_EQ(ApplyAnsweringYes(), std::vector<std::string>{kUnstable});
    EXPECT_EQ(CalibrationNeeded(), 1u) << "the revision-3 board answered this time";
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace faultstest
