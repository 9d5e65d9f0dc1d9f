// What the program asks the firmware on first use and keeps: the revision
// and the built-in profiles' names. A first question that fails must not
// decide for the whole process. Runs in a process of its own, where nothing
// has asked either yet.

#include "tests/faults/FaultFixture.h"

#include "app/mainwindow/AdvComboBox.h"
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

using FirstUseFault = FaultFixture;

TEST_F(FirstUseFault, AFailedRevisionQueryIsAskedAgainOnceTheFirmwareAnswers) {
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

TEST_F(FirstUseFault, TheBuiltInProfilesAppearOnceTheFirmwareListsThem) {
    AdvComboBox& selector = *Layout().ProfileSelector();
    FaultCase{5, kFirmFailEveryCall, 0, 0}.Inject();
    selector.Open();
    const std::vector<std::string> withFault = selector.Items().Items();
    selector.Close();
    SimulatedBoard::ClearFaults();
    selector.Open();
    const std::vector<std::string> afterwards = selector.Items().Items();
    selector.Close();
    EXPECT_EQ(withFault, std::vector<std::string>{}) << "the firmware could not list them";
    EXPECT_EQ(afterwards, (std::vector<std::string>{"Power Saving", "Gaming", "Extreme OC"}));
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace faultstest
