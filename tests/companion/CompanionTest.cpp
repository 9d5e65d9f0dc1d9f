// The companion stand-in as the program meets it: its windows found by the
// program's own functions, message 1055 switching its power-saving mode off
// through the firmware, and its command line.

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/Companion.h"
#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProcessWindow.h"
#include "tests/support/Wattmind.h"
#include "vendor/VeltruneMessages.h"

namespace {

using testsupport::ChildProcess;
using testsupport::ChildResult;
using testsupport::ProcessOf;
using testsupport::ProcessWindow;
using testsupport::Quote;
using testsupport::SplitLines;
using testsupport::Wattmind;

using veltrune::msg::kCompanionHighPerformance;
using veltrune::msg::kTag;

std::string TextOf(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

TEST(CompanionWindows, EachGenerationIsFoundByTheProgramVisibleOrNot) {
    struct Case {
        const char* generation;
        bool hidden;
        const char* application;
        const char* main;
    };
    const Case cases[] = {
        {"six", false, "Wattmind-6 Engine", "Wattmind Six"},
        {"six", true, "Wattmind-6 Engine", "Wattmind Six"},
        {"four", false, "Wattmind", "Wattmind Four"},
        {"four", true, "Wattmind", "Wattmind Four"},
    };
    ASSERT_EQ(FindCompanionMainWindow(), nullptr) << "no companion before the test";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.generation) + (c.hidden ? " hidden" : " visible"));
        Wattmind companion({"--generation", c.generation, c.hidden ? "--hidden" : ""});
        ASSERT_TRUE(companion.Ready());
        HWND main = FindCompanionMainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(ProcessOf(main), companion.Id());
        EXPECT_EQ(ClassOf(main), "TMainForm");
        EXPECT_EQ(TextOf(main), c.main);
        HWND application = FindWindowA("TApplication", c.application);
        ASSERT_NE(application, nullptr);
        EXPECT_EQ(ProcessOf(application), companion.Id());
        EXPECT_EQ(GetWindow(main, GW_OWNER), application) << "the application window owns the main window";
        EXPECT_EQ(CompanionWindowVisible(), !c.hidden);
        EXPECT_EQ(IsWindowVisible(main) != FALSE, !c.hidden);
    }
    EXPECT_EQ(FindCompanionMainWindow(), nullptr) << "closing the main window ends the companion";
    EXPECT_FALSE(CompanionWindowVisible());
}

class CompanionSwitch : public ::testing::Test {
protected:
    void SetUp() override { SimulatedBoard::Load(""); }
    void TearDown() override { SimulatedBoard::ClearFaults(); }
};

TEST_F(CompanionSwitch, TaggedMessage1055SwitchesBackToHighPerformanceThroughTheFirmwareAndIsLogged) {
    JournalScope journal;
    Wattmind companion({"--power-saving", "on"});
    ASSERT_TRUE(companion.Ready());
    EXPECT_EQ(SimulatedBoard::Peek(kCompanionSwitchItem), 1u);
    HWND main = FindCompanionMainWindow();
    ASSERT_NE(main, nullptr);

    PostMessageA(main, kCompanionHighPerformance, kTag + 1, 0);
    PostMessageA(main, kCompanionHighPerformance, kTag, 0);
    ASSERT_TRUE(companion.WaitForLogLines(2));
    EXPECT_EQ(companion.LogLines(), (std::vector<std::string>{"1055 86 0 ignored", "1055 85 0 high-performance"}));
    EXPECT_EQ(SimulatedBoard::Peek(kCompanionSwitchItem), 0u);
    EXPECT_EQ(journal.Calls(2), (std::vector<std::string>{WriteCall(kCompanionSwitchItem, 1, 1),
                                                           WriteCall(kCompanionSwitchItem, 0, 1)}))
        << "switch items are written with mode 1";

    // A switch the firmware refuses is logged as refused, not as done.
    SimulatedBoard::Poke(kCompanionSwitchItem, 0, 1);
    SimulatedBoard::SetFault(kCompanionSwitchItem, kFirmFaultWrite);
    PostMessageA(main, kCompanionHighPerformance, kTag, 0);
    ASSERT_TRUE(companion.WaitForLogLines(3));
    EXPECT_EQ(companion.LogLines().back(), "1055 85 0 switch-failed");
    EXPECT_EQ(SimulatedBoard::Peek(kCompanionSwitchItem), 1u);
}

TEST_F(CompanionSwitch, APersonFlipsTheSwitchAndTheWindowFollowsOthersChanges) {
    Wattmind companion({"--power-saving", "off"});
    ASSERT_TRUE(companion.Ready());
    HWND checkBox = companion.CheckBox();
    ASSERT_NE(checkBox, nullptr);
    EXPECT_EQ(SendMessageA(checkBox, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    SendMessageA(checkBox, BM_CLICK, 0, 0);
    EXPECT_EQ(SimulatedBoard::Peek(kCompanionSwitchItem), 1u);
    EXPECT_EQ(SendMessageA(checkBox, BM_GETCHECK, 0, 0), BST_CHECKED);

    // The tuning program switches it off behind the companion's back.
    SimulatedBoard::Poke(kCompanionSwitchItem, 0, 0);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_UNCHECKED; },
                                       5000));
}

TEST(CompanionCommandLine, HelpListsTheOptionsAndBadOnesExitTwoSayingWhy) {
    const ChildResult help = testsupport::RunChild(Quote(Wattmind::Path()) + " --help");
    EXPECT_EQ(help.exitCode, 0u);
    for (const char* option : {"--generation six|four", "--hidden", "--power-saving on|off", "--log FILE",
                               "--ready-event NAME"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;

    struct Case {
        const char* arguments;
        const char* complaint;
    };
    const Case cases[] = {
        {"--generation five", "--generation takes six or four, not \"five\""},
        {"--power-saving maybe", "--power-saving takes on or off"},
        {"--log", "missing value after --log"},
        {"--visible", "unknown option --visible"},
        {"--log Z:\\no\\such\\folder\\wattmind.log", "cannot open the log file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ChildResult run = testsupport::RunChild(Quote(Wattmind::Path()) + " " + c.arguments);
        EXPECT_EQ(run.exitCode, 2u);
        const std::vector<std::string> lines = SplitLines(run.err);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].rfind("wattmind: ", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find(c.complaint), std::string::npos) << lines[0];
        EXPECT_EQ(FindCompanionMainWindow(), nullptr) << "no window for a bad command line";
    }
}

TEST_F(CompanionSwitch, ASwitchTheFirmwareRefusesAtStartEndsWithExitCodeOne) {
    SimulatedBoard::SetFault(kCompanionSwitchItem, kFirmFaultWrite);
    const ChildResult run = testsupport::RunChild(Quote(Wattmind::Path()) + " --power-saving on");
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("refused to switch power saving on"), std::string::npos) << run.err;
}

}  // namespace
