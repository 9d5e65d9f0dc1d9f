#pragma once
// The real program running on the simulated default board, as other
// programs and the system see it: a fresh copy for each test, the board's
// values back at the board file's, and every firmware call the copy makes
// from the test's start on written to a journal.

#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/BroadcastListener.h"
#include "tests/support/ProgramDriver.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace controllertest {

// The program folder the build lays out for these tests.
std::string ProgramFolder();

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts a fresh copy in place of the one running (which is closed, or
    // killed if it does not close). False when it did not get ready.
    bool StartProgram();

    HWND Main() const { return program->MainWindow(); }
    // Sends a private message with the tag and returns once it is handled.
    LRESULT Send(UINT message, LPARAM lParam, WPARAM wParam = veltrune::msg::kTag) const;
    // The value writes (ordinal 2, core selections left out) the copy made
    // since the last Forget().
    std::vector<std::string> Writes() const;
    void Forget();

    testsupport::BroadcastListener broadcasts;
    std::unique_ptr<JournalScope> journal;
    std::unique_ptr<testsupport::ProcessDriver> program;

private:
    size_t m_forgotten = 0;
};

}  // namespace controllertest
