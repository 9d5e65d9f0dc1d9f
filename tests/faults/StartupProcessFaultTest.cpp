// The real program started while the firmware cannot list its groups: the
// user gets the two boxes that say group 3 could not be read, a request
// that comes while a box is up waits until the item sets are built, the
// program then runs (its icon, its window, its messages) without an
// assertion, and once the fault clears it carries out what other programs
// ask of it.

#include "tests/arvex/SimulatedBoard.h"
#include "tests/faults/FaultCase.h"
#include "tests/support/BroadcastListener.h"
#include "tests/support/ProcessWindows.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RunningCopy.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace faultstest {
namespace {

using testsupport::AssertionShown;
using testsupport::MessageBoxOf;
using testsupport::TextOf;

namespace msg = veltrune::msg;
constexpr uint32_t kBaseClock = 0x03010011;

TEST(StartupProcessFaults, AnUnlistableGroupIsToldTwiceAndTheProgramRunsOn) {
    SimulatedBoard::Load("");
    JournalScope journal;
    FaultCase{5, kFirmFailEveryCall, 0, 0}.Inject();
    testsupport::RunningCopy program(testsupport::TestFolder() + "program\\");
    ASSERT_TRUE(program.Started());
    testsupport::BroadcastListener broadcasts;
    std::vector<std::string> told;
    for (int i = 0; i < 2; ++i) {
        HWND box = nullptr;
        ASSERT_TRUE(testsupport::PumpUntil([&] { return (box = MessageBoxOf(program.ProcessId())) != nullptr; }, 30000));
        told.push_back(TextOf(box));
        // The first built-in profile for another program, while the item sets are half built.
        if (i == 0) PostMessageA(program.MainWindow(), msg::kRemoteCommand, msg::kTag, msg::kFirstBuiltInProfile);
        EXPECT_FALSE(AssertionShown(program.ProcessId()));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(testsupport::PumpUntil([&] { return !IsWindow(box); }, 10000));
    }
    for (const std::string& text : told) {
        EXPECT_EQ(text.rfind("AcOcItemSetBase", 0), 0u) << "the caption: " << text;
        EXPECT_NE(text.find("Can not get any information from group 3"), std::string::npos) << text;
    }
    ASSERT_TRUE(program.WaitUntilReady());
    EXPECT_TRUE(broadcasts.WaitFor(1, 10000)) << "the request was carried out once the sets were built";
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{msg::kChangedByBuiltInProfile});
    SimulatedBoard::ClearFaults();
    EXPECT_TRUE(journal.Calls(2).empty()) << "start-up wrote nothing";

    DWORD_PTR ignored = 0;
    ASSERT_NE(
        SendMessageTimeoutA(program.MainWindow(), msg::kRemoteWrite, msg::kTag, 40, SMTO_NORMAL, 30000, &ignored), 0);
    EXPECT_EQ(journal.Calls(2), std::vector<std::string>{WriteCall(kBaseClock, 40, 2)});
    EXPECT_EQ(SimulatedBoard::Peek(kBaseClock), 40u);
    EXPECT_FALSE(program.WaitForExit(0));
    EXPECT_FALSE(AssertionShown(program.ProcessId()));
    EXPECT_EQ(MessageBoxOf(program.ProcessId()), nullptr);
}

}  // namespace
}  // namespace faultstest
