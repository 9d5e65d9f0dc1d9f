// veltrunectl drives the running program with the messages it obeys: every
// command against a real copy with its effect seen on the window, the board
// or the broadcast; and what it says and returns without one.

#include "kiln/fileutl/ProfileFolder.h"
#include "kiln/fileutl/ProfileNames.h"
#include "tests/controller/ProgramFixture.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProcessWindow.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using controllertest::ProgramFixture;
using testsupport::ChildResult;
using testsupport::SplitLines;
using veltrune::msg::kChangedByApply;
using veltrune::msg::kChangedByBuiltInProfile;

constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kCoreVoltage = 0x03020012;
constexpr DWORD kExitNotRunning = 1;
constexpr DWORD kExitBadCommandLine = 2;
constexpr DWORD kExitNoAnswer = 3;
constexpr DWORD kExitNotApplied = 4;
constexpr DWORD kExitNoSuchProfile = 5;
constexpr DWORD kExitUnreadable = 6;

ChildResult RunCtl(const std::string& arguments) {
    return testsupport::RunChild(testsupport::Quote(testsupport::TestFolder() + "..\\..\\bin\\veltrunectl.exe") +
                                 " " + arguments);
}

bool NoCopyRuns() { return FindWindowA("TMainForm", "Veltrune") == nullptr; }

TEST(VeltrunectlCommandLine, BadCommandLinesExitTwoNamingWhatWasWrong) {
    struct Case {
        const char* arguments;
        const char* complaint;
    };
    const Case cases[] = {
        {"", "no command given"},
        {"frobnicate", "unknown command \"frobnicate\""},
        {"show now", "show takes no arguments, but got \"now\""},
        {"quit 1", "quit takes no arguments"},
        {"write-base-clock", "write-base-clock needs an argument"},
        {"write-base-clock 12x", "write-base-clock takes a step index, not \"12x\""},
        {"write-base-clock 0x100000000", "not \"0x100000000\""},
        {"write-base-clock 1 2", "write-base-clock takes one argument"},
        {"builtin 3", "builtin takes a built-in profile 0, 1 or 2, not \"3\""},
        {"snapshot-builtin -1", "snapshot-builtin takes a built-in profile 0, 1 or 2, not \"-1\""},
        {"wait-changed soon", "wait-changed takes a number of seconds"},
        {"wait-changed 1 2", "wait-changed takes at most one argument"},
        {"profiles all", "profiles takes no arguments"},
        {"load", "load needs a profile name"},
        {"apply a b", "apply takes one profile name"},
        {"load ..\\..\\boot", "is not a name of a profile in the profile folder"},
        {"apply C:x", "is not a name of a profile in the profile folder"},
        {"load ..", "is not a name of a profile in the profile folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ChildResult run = RunCtl(c.arguments);
        EXPECT_EQ(run.exitCode, kExitBadCommandLine);
        EXPECT_EQ(run.out, "");
        const std::vector<std::string> lines = SplitLines(run.err);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0].rfind("veltrunectl: ", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find(c.complaint), std::string::npos) << lines[0];
        EXPECT_EQ(lines[1].rfind("usage: veltrunectl", 0), 0u) << "the usage follows";
    }

    const ChildResult help = RunCtl("--help");
    EXPECT_EQ(help.exitCode, 0u);
    for (const char* command : {"show", "hide", "minimize", "quit", "write-base-clock INDEX", "snapshot", "restore",
                                "builtin N", "snapshot-builtin N", "wait-changed [SECONDS]", "profiles", "load NAME",
                                "apply NAME"})
        EXPECT_NE(help.out.find("  " + std::string(command)), std::string::npos) << command;
}

TEST(VeltrunectlWithoutACopy, CommandsSayNoneRunsAndWaitingEndsAfterItsTime) {
    ASSERT_TRUE(NoCopyRuns());
    for (const char* command : {"show", "hide", "minimize", "quit", "write-base-clock 5", "snapshot", "restore",
                                "builtin 0", "snapshot-builtin 2", "profiles", "load Gaming", "apply Gaming"}) {
        SCOPED_TRACE(command);
        const ChildResult run = RunCtl(command);
        EXPECT_EQ(run.exitCode, kExitNotRunning);
        EXPECT_EQ(run.err, "veltrunectl: Veltrune is not running\n");
    }
    // Any program of the maker may broadcast: waiting needs no copy, only time.
    const ChildResult wait = RunCtl("wait-changed 1");
    EXPECT_EQ(wait.exitCode, kExitNoAnswer);
    EXPECT_EQ(wait.out, "");
    EXPECT_EQ(wait.err, "veltrunectl: no settings-changed broadcast came within 1 seconds\n");
}

class Veltrunectl : public ProgramFixture {
protected:
    // Runs a command that must be delivered, then lets this thread hear
    // what the copy broadcast meanwhile.
    void Deliver(const std::string& arguments) {
        const ChildResult run = RunCtl(arguments);
        EXPECT_EQ(run.exitCode, 0u) << arguments << ": " << run.err;
        EXPECT_EQ(run.err, "") << arguments;
        testsupport::PumpFor(200);
    }
    HWND ApplicationWindow() const {
        return testsupport::ProcessWindow(program->ProcessId(), "TApplication", "Veltrune");
    }
};

TEST_F(Veltrunectl, ShowHideAndMinimizeChangeTheWindow) {
    ASSERT_FALSE(IsWindowVisible(Main()));
    Deliver("show");
    EXPECT_TRUE(IsWindowVisible(Main()));
    Deliver("hide");
    EXPECT_FALSE(IsWindowVisible(Main())) << "hide returns once the window is hidden";
    EXPECT_FALSE(program->WaitForExit(0)) << "hiding ends nothing";
    Deliver("show");
    ASSERT_TRUE(IsWindowVisible(Main()));
    Deliver("minimize");
    EXPECT_FALSE(IsWindowVisible(Main()));
    EXPECT_TRUE(IsIconic(ApplicationWindow())) << "minimised to the taskbar entry";
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(broadcasts.Heard().empty());
}

TEST_F(Veltrunectl, QuitReturnsOnceTheProgramHasEnded) {
    Deliver("quit");
    DWORD exitCode = 1;
    EXPECT_TRUE(program->WaitForExit(0, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(NoCopyRuns());
}

TEST_F(Veltrunectl, WriteBaseClockWritesTheItemAndBroadcasts) {
    Deliver("write-base-clock 250");
    EXPECT_EQ(Writes(), std::vector<std::string>{WriteCall(kClock, 250, 2)});
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 250u);
    EXPECT_TRUE(broadcasts.WaitFor(1, 5000));
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{kChangedByApply});
}

TEST_F(Veltrunectl, SnapshotWritesNothingUntilRestoreWritesItBackOnce) {
    SimulatedBoard::Poke(kClock, 0, 40);
    Deliver("snapshot");
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(broadcasts.Heard().empty());

    SimulatedBoard::Poke(kClock, 0, 55);
    Deliver("restore");
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 40u);
    EXPECT_TRUE(broadcasts.WaitFor(1, 5000));
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{kChangedByApply});

    Forget();
    SimulatedBoard::Poke(kClock, 0, 55);
    Deliver("restore");
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 55u) << "the snapshot was used up";
    EXPECT_TRUE(broadcasts.Heard().empty());
}

TEST_F(Veltrunectl, BuiltinAppliesAProfileAndSnapshotBuiltinCanBeUndone) {
    Deliver("builtin 1");  // "Gaming"
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 30u);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 90u);
    EXPECT_TRUE(broadcasts.WaitFor(1, 5000));
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{kChangedByBuiltInProfile});

    Forget();
    SimulatedBoard::Poke(kClock, 0, 40);
    Deliver("snapshot-builtin 2");  // "Extreme OC"
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 50u);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 110u);
    Deliver("restore");
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 40u);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 90u);
    EXPECT_TRUE(broadcasts.WaitFor(2, 5000));
    EXPECT_EQ(broadcasts.Heard(), (std::vector<LPARAM>{kChangedByBuiltInProfile, kChangedByApply}));
}

TEST_F(Veltrunectl, WaitChangedPrintsTheLParamOfTheNextBroadcast) {
    for (const auto& [command, printed] : {std::pair{"builtin 0", "3\n"}, std::pair{"write-base-clock 7", "0\n"}}) {
        SCOPED_TRACE(command);
        ChildResult waited;
        std::thread waiter([&] { waited = RunCtl("wait-changed 60"); });
        // The waiter listens once its window is there.
        const bool listening =
            testsupport::PumpUntil([] { return FindWindowA("VeltrunectlListener", nullptr) != nullptr; }, 30000);
        if (listening) Deliver(command);
        waiter.join();
        ASSERT_TRUE(listening);
        EXPECT_EQ(waited.exitCode, 0u) << waited.err;
        EXPECT_EQ(waited.out, printed);
    }
}

// Runs the command on a thread of its own while this one answers what the
// copy asks with the buttons given, in order.
ChildResult RunCtlAnswering(const std::string& arguments, const std::vector<const char*>& answers,
                            const testsupport::ProcessDriver& copy) {
    ChildResult run;
    std::thread ctl([&] { run = RunCtl(arguments); });
    copy.Answering([] {}, answers);
    ctl.join();
    return run;
}

TEST_F(Veltrunectl, ProfilesListsAsTheSelectorAndLoadFillsTheWindowWithoutWriting) {
    const std::string damaged = kiln::ProfilePath(kiln::GetProfileFolder(), "Mine");
    std::ofstream(damaged, std::ios::binary) << "not a profile";

    const ChildResult listed = RunCtl("profiles");
    EXPECT_EQ(listed.exitCode, 0u) << listed.err;
    std::string expected = "Power Saving\nGaming\nExtreme OC\n";
    for (const std::string& name : kiln::ListProfileNames(kiln::GetProfileFolder())) expected += name + "\n";
    EXPECT_EQ(listed.out, expected);
    EXPECT_NE(expected.find("\nMine\n"), std::string::npos);

    const ChildResult loaded = RunCtl("load Gaming");
    EXPECT_EQ(loaded.exitCode, 0u) << loaded.err;
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_TRUE(IsWindowEnabled(program->Control("ApplyButton"))) << "the controls hold the profile";
    EXPECT_TRUE(Writes().empty());

    const ChildResult unreadable = RunCtlAnswering("load Mine", {"OkButton"}, *program);
    EXPECT_EQ(unreadable.exitCode, kExitUnreadable) << unreadable.err;
    const ChildResult missing = RunCtl("load Yours");
    EXPECT_EQ(missing.exitCode, kExitNoSuchProfile);
    EXPECT_EQ(missing.err, "veltrunectl: there is no profile \"Yours\"\n");
    // Passes the command line's check; the copy knows CON for a device.
    EXPECT_EQ(RunCtl("load CON").exitCode, kExitBadCommandLine);
    DeleteFileA(damaged.c_str());
    EXPECT_TRUE(Writes().empty());
}

TEST_F(Veltrunectl, ApplyAsksInTheWindowAndExitsByTheAnswer) {
    const ChildResult refused = RunCtlAnswering("apply Gaming", {"NoButton"}, *program);
    EXPECT_EQ(refused.exitCode, kExitNotApplied) << refused.err;
    EXPECT_TRUE(Writes().empty());

    const ChildResult applied = RunCtlAnswering("apply Gaming", {"YesButton"}, *program);
    EXPECT_EQ(applied.exitCode, 0u) << applied.err;
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 30u);
    EXPECT_EQ(SimulatedBoard::Peek(kCoreVoltage), 90u);
    EXPECT_TRUE(broadcasts.WaitFor(1, 5000));
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{kChangedByApply});
}

}  // namespace
