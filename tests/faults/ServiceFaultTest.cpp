// The real program with its system-control service hung or gone. A hung
// service costs the user-interface thread one wait of ten seconds; while
// that call's worker still waits, every further call is refused at once
// instead of queueing another thread; the worker ends when the service
// does. Without the service every call fails at once. Nothing of this is
// shown to the user, and the built-in profile asked for is written all the
// same.

#include "app/ocitems/LuOcRatio.h"
#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/ProcessWindows.h"
#include "tests/support/BroadcastListener.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/RunningCopy.h"
#include "tests/support/ServiceProcess.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace faultstest {
namespace {

using testsupport::AssertionShown;
using testsupport::MessageBoxOf;
using testsupport::ThreadsOf;

using veltrune::msg::kRemoteCommand;
using veltrune::msg::kTag;
constexpr LPARAM kBuiltInProfile0 = veltrune::msg::kFirstBuiltInProfile;
constexpr uint32_t kStoredProfiles = 0x05080002;
constexpr uint32_t kRatio = 0x030C0013;

std::string ProgramFolder() {
    return testsupport::TestFolder() + "program\\";
}

class ServiceFaults : public ::testing::Test {
protected:
    void SetUp() override {
        SimulatedBoard::Load("");
        journal = std::make_unique<JournalScope>();
        // What built-in profile 0 may write: its pairs, and the ratio's default.
        uint32_t words[1024] = {};
        uint32_t size = sizeof words;
        ASSERT_TRUE(FirmReadStoredProfile(kStoredProfiles, 0, words, &size) & 1);
        for (uint32_t i = 1; i + 1 < size / 4 && words[i] != 0xFFFFFFFF; i += 2) allowed.emplace(words[i], words[i + 1]);
        allowed.emplace(kRatio, LuOcRatio().DefaultIndex());
        SimulatedBoard::ResetCounts();
    }
    void StartProgram() {
        program = std::make_unique<testsupport::RunningCopy>(ProgramFolder());
        ASSERT_TRUE(program->WaitUntilReady());
        main = program->MainWindow();
    }
    // Milliseconds the program took to handle a private message.
    DWORD Timed(UINT message, WPARAM wParam, LPARAM lParam) const {
        const ULONGLONG start = GetTickCount64();
        DWORD_PTR ignored = 0;
        EXPECT_NE(SendMessageTimeoutA(main, message, wParam, lParam, SMTO_NORMAL, 60000, &ignored), 0);
        return static_cast<DWORD>(GetTickCount64() - start);
    }
    // Value writes; selecting a core changes no setting.
    size_t ValueWrites() const {
        size_t writes = 0;
        for (const std::string& call : journal->Calls(2)) writes += call.rfind("2 0x030600F0 ", 0) != 0;
        return writes;
    }
    void ExpectOnlyProfileWrites() const {
        for (const std::string& call : journal->Calls(2)) {
            if (call.rfind("2 0x030600F0 ", 0) == 0) continue;
            const uint32_t item = std::strtoul(call.substr(2, 10).c_str(), nullptr, 16);
            const uint32_t value = std::strtoul(call.substr(13, 10).c_str(), nullptr, 16);
            bool chosen = false;
            for (auto [it, end] = allowed.equal_range(item); it != end; ++it) chosen = chosen || it->second == value;
            EXPECT_TRUE(chosen) << call;
        }
    }
    void ExpectAliveAndSilent() const {
        DWORD code = 0;
        EXPECT_FALSE(program->WaitForExit(0, &code)) << "the program ended with " << code;
        EXPECT_FALSE(AssertionShown(program->ProcessId()));
        EXPECT_EQ(MessageBoxOf(program->ProcessId()), nullptr);
    }

    std::unique_ptr<JournalScope> journal;
    std::unique_ptr<testsupport::RunningCopy> program;
    std::multimap<uint32_t, uint32_t> allowed;
    HWND main = nullptr;
};

TEST_F(ServiceFaults, AHungServiceCostsOneWaitAndNoThreadPilesUp) {
    auto service = std::make_unique<testsupport::ServiceProcess>(std::vector<std::string>{"--delay", "120000"});
    ASSERT_TRUE(service->Listening());
    StartProgram();
    testsupport::BroadcastListener broadcasts;
    const size_t threads = ThreadsOf(program->ProcessId());
    ASSERT_GT(threads, 0u);

    const DWORD first = Timed(kRemoteCommand, kTag, kBuiltInProfile0);
    EXPECT_GE(first, 9500u) << "the notice waits for the service";
    EXPECT_LT(first, 14000u) << "but not beyond ten seconds";
    EXPECT_EQ(ThreadsOf(program->ProcessId()), threads + 1) << "the one worker still waits for the service";

    EXPECT_LT(Timed(kRemoteCommand, kTag, kBuiltInProfile0), 3000u) << "a call while one is in flight is refused";
    EXPECT_LT(Timed(WM_POWERBROADCAST, PBT_APMSUSPEND, 0), 3000u);
    EXPECT_LT(Timed(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0), 3000u);
    EXPECT_EQ(ThreadsOf(program->ProcessId()), threads + 1) << "refused calls start no thread";
    EXPECT_TRUE(broadcasts.WaitFor(2, 5000)) << "both profile requests were carried out";
    ExpectOnlyProfileWrites();
    ExpectAliveAndSilent();

    service.reset();
    EXPECT_TRUE(testsupport::PumpUntil([&] { return ThreadsOf(program->ProcessId()) == threads; }, 10000))
        << "the worker ends with the service";
    EXPECT_LT(Timed(kRemoteCommand, kTag, kBuiltInProfile0), 3000u);
    ExpectAliveAndSilent();
}

TEST_F(ServiceFaults, WithoutTheServiceEveryCallFailsAtOnceAndSilently) {
    StartProgram();
    testsupport::BroadcastListener broadcasts;
    const size_t threads = ThreadsOf(program->ProcessId());
    EXPECT_LT(Timed(kRemoteCommand, kTag, kBuiltInProfile0), 3000u);
    ASSERT_TRUE(broadcasts.WaitFor(1, 5000));
    EXPECT_EQ(broadcasts.Heard(), std::vector<LPARAM>{veltrune::msg::kChangedByBuiltInProfile});
    ExpectOnlyProfileWrites();
    const size_t writes = ValueWrites();
    EXPECT_GT(writes, 0u) << "the profile is written without the service";

    // Power events need the service's state: without it they do nothing.
    SimulatedBoard::Poke(0x03010011, 0, 40);
    EXPECT_LT(Timed(WM_POWERBROADCAST, PBT_APMSUSPEND, 0), 3000u);
    SimulatedBoard::Poke(0x03010011, 0, 0);
    EXPECT_LT(Timed(WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0), 3000u);
    EXPECT_EQ(ValueWrites(), writes);
    EXPECT_TRUE(testsupport::PumpUntil([&] { return ThreadsOf(program->ProcessId()) == threads; }, 5000));
    ExpectAliveAndSilent();
}

}  // namespace
}  // namespace faultstest
