#include "tests/faults/StartupFault.h"

#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/Diagnostics.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace faultstest {
namespace {

std::unique_ptr<testsupport::MessageRecorder> g_recorder;
std::unique_ptr<JournalScope> g_journal;
std::vector<std::string> g_messages;

// Runs after the program's own start-up environment: keeps what it showed
// and stops recording, so the tests' own recorders start empty.
class StartupRecord : public ::testing::Environment {
public:
    void SetUp() override {
        for (const auto& [text, caption] : testsupport::MessageRecorder::Messages())
            g_messages.push_back(caption + ": " + text);
        g_recorder.reset();
    }
};

}  // namespace

bool StartupFault(FaultCase& fault) {
    char text[64] = {};
    if (GetEnvironmentVariableA("FAULTS_STARTUP", text, sizeof text) == 0) return false;
    unsigned values[4] = {};
    if (std::sscanf(text, "%u:%u:%u:%u", &values[0], &values[1], &values[2], &values[3]) != 4) return false;
    fault = FaultCase{values[0], values[1], values[2], values[3]};
    return true;
}

void InjectStartupFault() {
    FaultCase fault;
    if (!StartupFault(fault)) return;
    char board[MAX_PATH] = {};
    GetEnvironmentVariableA("FIRMLINK_BOARD", board, sizeof board);
    // Through the extras only: ordinal 1 stays the program's own first call.
    SimulatedBoard::Extra<FirmLoadBoardFn>("FirmSimLoadBoard")(board);
    g_journal = std::make_unique<JournalScope>();
    g_recorder = std::make_unique<testsupport::MessageRecorder>();
    fault.Inject();
    ::testing::AddGlobalTestEnvironment(new StartupRecord);
}

const std::vector<std::string>& StartupMessages() {
    return g_messages;
}

std::vector<std::string> StartupJournal() {
    return g_journal ? g_journal->Lines() : std::vector<std::string>{};
}

}  // namespace faultstest
