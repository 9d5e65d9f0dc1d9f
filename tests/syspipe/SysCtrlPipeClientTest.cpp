#include "app/ocitems/SysCtrlPipeClient.h"

#include "DebugCapture.h"
#include "tests/support/ServiceProcess.h"
#include "base/Handles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <cstring>
#include <memory>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using testsupport::ServiceProcess;

constexpr const char* kNoticeWire = "16: 80000000 00000000 00000000 00000000";
constexpr const char* kQueryWire = "4: 80000001";
constexpr const char* kPrevious = "CallSysCtrlService Failed, the previous request is not completed yet.\r\n";
constexpr const char* kTimeout = "CallSysCtrlService Failed, Waiting error or Timeout.\r\n";

std::string PipeFailure(int error) {
    return "[BasicNamedPipe<char_t>::Call] failed, GetLastError returned " + std::to_string(error) + "\r\n";
}

int ThreadsOfThisProcess() {
    base::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot) return -1;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    return count;
}

class SysCtrlPipeClientTest : public ::testing::Test {
protected:
    void TearDown() override {
        // A call left in flight would refuse the next test's calls.
        EXPECT_TRUE(client.WaitForPendingCall(60000));
    }

    SysCtrlPipeClient& client = SysCtrlPipeClient::Instance();
    DebugCapture capture;
};

TEST_F(SysCtrlPipeClientTest, NoticeAndQueryGoOutByteForByte) {
    ServiceProcess service({"--state", "5", "--second", "0x1234ABCD"});
    ASSERT_TRUE(service.Listening());

    EXPECT_TRUE(client.NotifySettingsChanged(0, 0, 0));
    EXPECT_TRUE(client.NotifySettingsChanged(1, 0xFFFFFFFF, 3));
    DWORD state = 0, second = 0;
    EXPECT_TRUE(client.QueryState(state, second));
    EXPECT_EQ(5u, state);
    EXPECT_EQ(0x1234ABCDu, second);
    EXPECT_EQ(8u, client.PayloadLength());

    EXPECT_THAT(service.LoggedRequests(),
                ElementsAre(kNoticeWire, "16: 80000000 00000001 FFFFFFFF 00000003", kQueryWire));
    EXPECT_THAT(capture.Lines(), IsEmpty());
}

TEST_F(SysCtrlPipeClientTest, ResultOtherThanOneFailsSilently) {
    ServiceProcess service({"--result", "0", "--state", "7"});
    ASSERT_TRUE(service.Listening());

    EXPECT_FALSE(client.NotifySettingsChanged(0, 0, 0));
    DWORD state = 99, second = 99;
    EXPECT_FALSE(client.QueryState(state, second));
    EXPECT_EQ(99u, state);
    EXPECT_TRUE(client.LastTransactionSucceeded());
    EXPECT_THAT(capture.Lines(), IsEmpty());
}

TEST_F(SysCtrlPipeClientTest, FourByteAnswerSatisfiesTheCallButNotTheStateQuery) {
    ServiceProcess service({"--reply-bytes", "4", "--state", "7"});
    ASSERT_TRUE(service.Listening());

    const DWORD query = SysCtrlPipeClient::kStateQueryCommand;
    EXPECT_TRUE(client.CallSysCtrlService(&query, sizeof query));
    EXPECT_EQ(0u, client.PayloadLength());
    DWORD state = 99, second = 99;
    EXPECT_FALSE(client.QueryState(state, second));
    EXPECT_EQ(99u, state);
    EXPECT_EQ(99u, second);
    EXPECT_THAT(service.LoggedRequests(), ElementsAre(kQueryWire, kQueryWire));
}

TEST_F(SysCtrlPipeClientTest, OverLongAnswerIsJudgedByItsResultWord) {
    {
        ServiceProcess service({"--reply-bytes", "5000", "--state", "2", "--second", "6"});
        ASSERT_TRUE(service.Listening());
        EXPECT_TRUE(client.NotifySettingsChanged(0, 0, 0));
        EXPECT_FALSE(client.LastTransactionSucceeded());
        EXPECT_EQ(SysCtrlPipeClient::kResponseCapacity - 4, client.PayloadLength());
        DWORD state = 0, second = 0;
        EXPECT_TRUE(client.QueryState(state, second));
        EXPECT_EQ(2u, state);
        EXPECT_EQ(6u, second);
    }
    {
        ServiceProcess service({"--reply-bytes", "5000", "--result", "0"});
        ASSERT_TRUE(service.Listening());
        EXPECT_FALSE(client.NotifySettingsChanged(0, 0, 0));
    }
    const std::string moreData = PipeFailure(ERROR_MORE_DATA);
    EXPECT_THAT(capture.Lines(), ElementsAre(moreData, moreData, moreData));
}

TEST_F(SysCtrlPipeClientTest, AnswerTooShortForAResultIsNotMistakenForThePreviousOne) {
    {
        ServiceProcess service({"--max-requests", "1"});
        ASSERT_TRUE(service.Listening());
        ASSERT_TRUE(client.NotifySettingsChanged(0, 0, 0));
    }
    ServiceProcess service({"--reply-bytes", "2"});
    ASSERT_TRUE(service.Listening());
    EXPECT_FALSE(client.NotifySettingsChanged(0, 0, 0));
    EXPECT_EQ(0u, client.PayloadLength());
}

TEST_F(SysCtrlPipeClientTest, MissingServiceFailsWithThePipeReport) {
    EXPECT_FALSE(client.NotifySettingsChanged(0, 0, 0));
    EXPECT_FALSE(client.LastTransactionSucceeded());
    EXPECT_THAT(capture.Lines(), ElementsAre(PipeFailure(ERROR_FILE_NOT_FOUND)));
}

TEST_F(SysCtrlPipeClientTest, StandInEndsOnItsLimitOrStopEventAndTakesItsPipeAlong) {
    {
        ServiceProcess service({"--max-requests", "2"});
        ASSERT_TRUE(service.Listening());
        EXPECT_TRUE(client.NotifySettingsChanged(0, 0, 0));
        EXPECT_TRUE(client.NotifySettingsChanged(0, 0, 0));
        ASSERT_TRUE(service.WaitForExit(30000));
        EXPECT_EQ(0u, service.ExitCode());
    }
    EXPECT_FALSE(client.NotifySettingsChanged(0, 0, 0));

    const std::string stopName = "VeltruneSysCtrlStop-" + std::to_string(GetCurrentProcessId());
    base::KernelHandle stop(CreateEventA(nullptr, TRUE, FALSE, stopName.c_str()));
    ASSERT_TRUE(stop);
    {
        ServiceProcess service({"--stop-event", stopName});
        ASSERT_TRUE(service.Listening());
        SetEvent(stop.Get());
        ASSERT_TRUE(service.WaitForExit(30000));
        EXPECT_EQ(0u, service.ExitCode());
    }
    EXPECT_FALSE(client.NotifySettingsChanged(0, 0, 0));
    EXPECT_THAT(capture.Lines(), ElementsAre(PipeFailure(ERROR_FILE_NOT_FOUND), PipeFailure(ERROR_FILE_NOT_FOUND)));
}

TEST_F(SysCtrlPipeClientTest, ServiceSlowerThanTheWaitBlocksCallsUntilItAnswers) {
    // Just past the client's own ten seconds.
    auto service = std::make_unique<ServiceProcess>(std::vector<std::string>{"--delay", "11000", "--state", "4"});
    ASSERT_TRUE(service->Listening());

    DWORD state = 0, second = 0;
    EXPECT_FALSE(client.QueryState(state, second));
    EXPECT_THAT(capture.Lines(), ElementsAre(kTimeout));

    const int threadsBefore = ThreadsOfThisProcess();
    EXPECT_FALSE(client.NotifySettingsChanged(0, 0, 0));
    EXPECT_EQ(threadsBefore, ThreadsOfThisProcess()) << "a refused call must not start a worker";
    EXPECT_THAT(capture.Lines(), ElementsAre(kTimeout, kPrevious));
    EXPECT_THAT(service->LoggedRequests(), ElementsAre(kQueryWire));

    // The late answer arrives while nobody waits for it: it lands in the
    // worker's own result, and what the client reports stays as the timed-out
    // call left it until the answer is taken.
    Sleep(3000);
    EXPECT_FALSE(client.LastTransactionSucceeded());
    EXPECT_EQ(0u, client.PayloadLength());

    ASSERT_TRUE(client.WaitForPendingCall(60000));
    service.reset();
    EXPECT_TRUE(client.LastTransactionSucceeded());
    EXPECT_EQ(4u, [&] {
        DWORD word;
        std::memcpy(&word, client.Payload(), sizeof word);
        return word;
    }()) << "the late answer still lands in the response buffer";

    ServiceProcess quick({"--state", "3"});
    ASSERT_TRUE(quick.Listening());
    EXPECT_TRUE(client.QueryState(state, second));
    EXPECT_EQ(3u, state);
}

}  // namespace
