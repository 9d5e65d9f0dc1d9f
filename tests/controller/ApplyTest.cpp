// The road of one Apply on the default board, clicked as a user would: the
// slider step, the questions, what reaches the firmware, the service and
// every running program, and Undo and the broadcast refresh beside it.

#include "tests/controller/InProcessProgram.h"

#include "app/Director.h"
#include "frame/Application.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Graphics/PngReader.h"
#include "resources/SkinNames.h"
#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"
#include "tests/support/ProgramWords.h"
#include "tests/support/BroadcastListener.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ServiceProcess.h"
#include "tests/support/Wattmind.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace controllertest {
namespace {

constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kCoreVoltage = 0x03020012;  // limit 100 on this board
constexpr uint32_t kCompanionSwitch = 0x0B060001;
using testsupport::kUnstable;
using testsupport::kCompanion;
using testsupport::kHighVoltage;

DWORD CalibrationNeeded() {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "Software\\ARVEX\\Ecolift3\\Advance", "CalibrationNeeded", RRF_RT_DWORD,
                     nullptr, &value, &size) != ERROR_SUCCESS)
        return 0;
    return value;
}

class DefaultBoard : public InProcessProgram {
protected:
    void SetUp() override {
        InProcessProgram::SetUp();
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, "Software\\ARVEX\\Ecolift3\\Advance", "CalibrationNeeded");
    }
    kiln::AlphaButton& Button(uint32_t item, const char* part) { return Find<kiln::AlphaButton>(Part(item, part)); }
    void StepClockUp() { Click(Button(kClock, "Increase")); }
    kiln::AlphaButton& Apply() { return *Layout().ApplyButton(); }
};

TEST_F(DefaultBoard, ASliderStepEnablesApplyAndClearsTheChosenProfile) {
    EXPECT_FALSE(ApplyEnabled()) << "nothing to apply after start-up";
    AdvComboBox& selector = *Layout().ProfileSelector();
    selector.Open();
    selector.SetItemIndex(1);  // the board's "Gaming": loaded into the bars
    ASSERT_EQ(selector.Text(), "Gaming");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(Writes().empty()) << "choosing a profile writes nothing";
    selector.Close();

    StepClockUp();
    EXPECT_EQ(selector.ItemIndex(), -1);
    EXPECT_EQ(selector.Text(), "");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(Director::Instance().UnappliedChanges());
}

TEST_F(DefaultBoard, ApplyAsksFirstAndNoWritesNothing) {
    StepClockUp();
    EXPECT_EQ(ClickAnswering(Apply(), {"NoButton"}), std::vector<std::string>{kUnstable});
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(ApplyEnabled()) << "a declined Apply leaves everything as it was";
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 0u);
}

TEST_F(DefaultBoard, YesWritesTellsTheServiceAndEveryProgramAndMarksCalibration) {
    testsupport::ServiceProcess service({});
    ASSERT_TRUE(service.Listening());
    testsupport::BroadcastListener broadcasts;
    StepClockUp();
    StepClockUp();

    EXPECT_EQ(ClickAnswering(Apply(), {"YesButton"}), std::vector<std::string>{kUnstable});
    EXPECT_EQ(Writes(), std::vector<std::string>{WriteCall(kClock, 2, 2)}) << "only the changed item";
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 2u);
    EXPECT_EQ(service.LoggedRequests().size(), 1u) << "the settings-changed notice";
    EXPECT_TRUE(broadcasts.WaitFor(1, 5000));
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{veltrune::msg::kChangedByApply});
    EXPECT_EQ(CalibrationNeeded(), 1u) << "revision 3 firmware";
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(DefaultBoard, AVoltageAboveItsLimitTakesTwoDangerQuestions) {
    BarOf(kCoreVoltage).SetPosition(101);
    EXPECT_EQ(ClickAnswering(Apply(), {"NoButton"}), std::vector<std::string>{kHighVoltage});
    EXPECT_EQ(ClickAnswering(Apply(), {"YesButton", "NoButton"}),
              (std::vector<std::string>{kHighVoltage, "Are you sure?"}));
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(ClickAnswering(Apply(), {"YesButton", "YesButton"}),
              (std::vector<std::string>{kHighVoltage, "Are you sure?"}));
    EXPECT_EQ(Writes(), std::vector<std::string>{WriteCall(kCoreVoltage, 101, 2)});

    // At the limit itself no danger is asked about.
    BarOf(kCoreVoltage).SetPosition(100);
    EXPECT_EQ(ClickAnswering(Apply(), {"NoButton"}), std::vector<std::string>{kUnstable});
}

TEST_F(DefaultBoard, CompanionModeTakesTwoQuestionsSwitchesItOffAndTellsItsWindow) {
    testsupport::Wattmind companion({"--generation", "six", "--power-saving", "on"});
    ASSERT_TRUE(companion.Ready());
    ASSERT_EQ(SimulatedBoard::Peek(kCompanionSwitch), 1u);
    Forget();  // the companion's own switching on
    BarOf(kCoreVoltage).SetPosition(101);  // above the limit: no danger question on this road

    EXPECT_EQ(ClickAnswering(Apply(), {"YesButton", "NoButton"}),
              (std::vector<std::string>{kUnstable, kCompanion}));
    EXPECT_TRUE(Writes().empty()) << "a No to either question writes nothing";
    EXPECT_EQ(SimulatedBoard::Peek(kCompanionSwitch), 1u);

    EXPECT_EQ(ClickAnswering(Apply(), {"YesButton", "YesButton"}),
              (std::vector<std::string>{kUnstable, kCompanion}));
    ASSERT_TRUE(companion.WaitForLogLines(1));
    EXPECT_EQ(companion.LogLines().front().rfind("1055 85 0", 0), 0u) << companion.LogLines().front();
    EXPECT_EQ(SimulatedBoard::Peek(kCompanionSwitch), 0u);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 101u);
}

TEST_F(DefaultBoard, CompanionModeWithoutItsWindowStillSwitchesItOff) {
    SimulatedBoard::Poke(kCompanionSwitch, 0, 1);
    StepClockUp();
    EXPECT_EQ(ClickAnswering(Apply(), {"YesButton", "YesButton"}),
              (std::vector<std::string>{kUnstable, kCompanion}));
    EXPECT_EQ(SimulatedBoard::Peek(kCompanionSwitch), 0u);
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 1u);
}

TEST_F(DefaultBoard, UndoShowsTheFirmwareValuesAgainWithoutWriting) {
    StepClockUp();
    BarOf(kCoreVoltage).SetPosition(90);
    Click(*Layout().UndoButton());
    EXPECT_EQ(BarOf(kClock).Position(), 0);
    EXPECT_EQ(BarOf(kCoreVoltage).Position(), 80);
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(Writes().empty());
}

TEST_F(DefaultBoard, ABroadcastFromAnotherCopyReloadsTheBarsAndKeepsPendingEdits) {
    StepClockUp();
    SimulatedBoard::Poke(kCoreVoltage, 0, 95);  // another copy applied this
    PostMessageA(HWND_BROADCAST, Window().BroadcastMessage(), veltrune::msg::kSettingsChanged, 0);
    WaitFor([] { return BarOf(kCoreVoltage).Position() == 95; });
    EXPECT_EQ(BarOf(kCoreVoltage).Position(), 95);
    EXPECT_EQ(BarOf(kClock).Position(), 0) << "the edit gave way to the firmware's value";
    EXPECT_TRUE(ApplyEnabled()) << "Apply stays as it was";
}

// Another program's broadcast arrives while the user reads Apply's question:
// its refresh shows the firmware's values in the bars, yet Yes writes what
// the bars held at the click.
TEST_F(DefaultBoard, ABroadcastWhileApplyAsksDoesNotChangeWhatYesWrites) {
    for (int step = 0; step < 3; ++step) StepClockUp();
    testsupport::DialogScript script;
    script
        .When([] { return testsupport::ShownDialog(testsupport::kAskDialogClass) != nullptr; },
              [] {
                  PostMessageA(frame::Application::Instance().Handle(), Window().BroadcastMessage(),
                               veltrune::msg::kSettingsChanged, 0);
              })
        .When([] { return BarOf(kClock).Position() == 0; }, [] { testsupport::Answer("YesButton"); });
    script.Run([&] {
        Click(Apply());
        return 0;
    });
    EXPECT_EQ(Writes(), std::vector<std::string>{WriteCall(kClock, 3, 2)});
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(WaitFor([] { return BarOf(kClock).Position() == 3; })) << "the bars show what was applied";
}

// A refresh that fails half-way (the slider's picture file is gone) must not
// leave the controller deaf to every later edit.
TEST_F(DefaultBoard, AnErrorInARefreshLeavesLaterEditsCounting) {
    const std::string picture = kiln::GetResourceFolder() + skin::largeBarDark;
    const std::string aside = picture + ".aside";
    ASSERT_TRUE(MoveFileA(picture.c_str(), aside.c_str()));
    std::vector<std::string> errors;
    frame::Application& application = frame::Application::Instance();
    application.OnException = [&errors](const std::exception& error) { errors.push_back(error.what()); };
    SimulatedBoard::Poke(kClock, 0, 5);
    PostMessageA(application.Handle(), Window().BroadcastMessage(), veltrune::msg::kSettingsChanged, 0);
    WaitFor([&errors] { return !errors.empty(); });
    application.OnException = nullptr;
    MoveFileA(aside.c_str(), picture.c_str());
    ASSERT_FALSE(errors.empty()) << "the refresh met the missing picture";

    StepClockUp();
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(Director::Instance().UnappliedChanges());
}

TEST_F(DefaultBoard, TheResolutionWarningShowsOnceOnALowScreenAndNeverAtTheDesignHeight) {
    Director& director = Director::Instance();
    director.ScreenHeight = [] { return 768; };
    EXPECT_TRUE(Answering([&] { director.ShowMainWindow(); }, {}).empty());
    EXPECT_TRUE(IsWindowVisible(Window().Handle()));

    director.ScreenHeight = [] { return 767; };
    EXPECT_EQ(Answering([&] { director.ShowMainWindow(); }, {"OkButton"}),
              std::vector<std::string>{"Veltrune is optimized for viewing at 1024 x 768 or higher resolution."});
    EXPECT_TRUE(IsWindowVisible(Window().Handle()));
    EXPECT_TRUE(Answering([&] { director.ShowMainWindow(); }, {}).empty()) << "once per process";
}

// What one Apply costs the firmware, next to the least it could cost: a read
// of each bar's item, the write of the one changed, the companion switch and
// the limit table for each bar. On top the item set selects each core
// before it reads the core's ratio, and reads the base clock and the current
// ratio to choose the order of the writes. Printed for the record; the
// reload that the program's own broadcast brings afterwards is not counted,
// nor what the first Apply of a process learns once (the firmware revision,
// whether the limit table exists).
TEST_F(DefaultBoard, OneApplyAfterOneStepCallsTheFirmwareNoMoreThanItMust) {
    StepClockUp();
    ClickAnswering(Apply(), {"YesButton"});
    StepClockUp();
    const size_t before = journal->Lines().size();
    size_t after = 0;
    Answering(
        [&] {
            Click(Apply());
            after = journal->Lines().size();
        },
        {"YesButton"});
    const std::vector<std::string> lines = journal->Lines();
    std::map<std::string, int> calls;
    for (size_t i = before; i < after; ++i) ++calls[lines[i].substr(0, lines[i].find(' '))];
    size_t bars = 0;
    for (AdvBar* bar : Layout().AllBars()) bars += bar->ItemNumber() != 0;
    const size_t cores = Layout().RatioBars().size();
    const size_t minimum = bars + 1 + 1 + bars;
    const size_t required = minimum + cores + 3;
    std::string breakdown;
    size_t total = 0;
    for (const auto& [ordinal, count] : calls) {
        breakdown += " ordinal " + ordinal + ": " + std::to_string(count) + ";";
        total += static_cast<size_t>(count);
    }
    std::printf("one Apply: %zu firmware calls (%s ), minimum %zu for %zu bars, with what the item set needs %zu\n",
                total, breakdown.c_str(), minimum, bars, required);
    EXPECT_LE(total, required) << breakdown;
}

}  // namespace
}  // namespace controllertest
