#pragma once
// The program's own start-up in the test process, on the board the test run
// names (FIRMLINK_BOARD), driven by the in-process driver: tests click the
// window's controls, found by name, and answer the dialogs that come from
// inside their loops.

#include "app/mainwindow/VeltruneLayout.h"
#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/Diagnostics.h"
#include "tests/support/InProcessDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace controllertest {

class InProcessProgram : public ::testing::Test, public testsupport::InProcessDriver {
protected:
    // The board's values back to the file's, every bar showing them, the
    // window compact and hidden, nothing waiting to be applied.
    void SetUp() override;
    void TearDown() override;

    static VeltruneLayout& Layout() { return VeltruneLayout::Instance(); }
    static AdvBar& BarOf(uint32_t item);

    static bool ApplyEnabled();
    // The value writes (core selections left out) since the last Forget().
    std::vector<std::string> Writes() const;
    void Forget();

    std::unique_ptr<JournalScope> journal;

private:
    size_t m_forgotten = 0;
};

}  // namespace controllertest
