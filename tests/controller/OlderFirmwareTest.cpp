// Firmware of revision 2: the window refuses to show beside the companion's
// visible window, and an Apply asks for no recalibration.

#include "tests/controller/InProcessProgram.h"

#include "app/Director.h"
#include "kiln/Component/AlphaButton.h"
#include "tests/support/Wattmind.h"

#include <gtest/gtest.h>

namespace controllertest {
namespace {

using Revision2Board = InProcessProgram;

TEST_F(Revision2Board, TheWindowStaysHiddenWhileTheCompanionsWindowShows) {
    Director& director = Director::Instance();
    {
        testsupport::Wattmind companion({"--generation", "four"});
        ASSERT_TRUE(companion.Ready());
        for (int attempt = 0; attempt < 2; ++attempt)
            EXPECT_EQ(Answering([&] { director.ShowMainWindow(); }, {"OkButton"}),
                      std::vector<std::string>{"Please close the Wattmind window before launching Veltrune."})
                << "every attempt";
        EXPECT_FALSE(IsWindowVisible(Window().Handle()));
    }
    {
        testsupport::Wattmind hidden({"--generation", "four", "--hidden"});
        ASSERT_TRUE(hidden.Ready());
        EXPECT_TRUE(Answering([&] { director.ShowMainWindow(); }, {}).empty()) << "a hidden companion is no obstacle";
        EXPECT_TRUE(IsWindowVisible(Window().Handle()));
    }
}

TEST_F(Revision2Board, ApplyLeavesTheCalibrationValueAlone) {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, "Software\\ARVEX\\Ecolift3\\Advance", "CalibrationNeeded");
    BarOf(0x03010011).SetPosition(1);
    ClickAnswering(*Layout().ApplyButton(), {"YesButton"});
    EXPECT_EQ(SimulatedBoard::Peek(0x03010011), 1u);
    DWORD value = 0, size = sizeof value;
    EXPECT_NE(RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\ARVEX\\Ecolift3\\Advance", "CalibrationNeeded",
                           RRF_RT_DWORD, nullptr, &value, &size),
              ERROR_SUCCESS);
}

}  // namespace
}  // namespace controllertest
