// The program started while one ordinal fails (each run of the suite names
// one): the user is told only that group 3, or its items, could not be
// read, and never shown a window without sliders in silence; start-up
// writes nothing; once the fault clears, a
// step and Apply write the chosen value and nothing else, wherever the
// window has sliders at all (item sets are built once, so a window that
// lost them needs a new start).

#include "tests/faults/FaultFixture.h"
#include "tests/faults/StartupFault.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace faultstest {
namespace {

constexpr const char* kGroup3Unreadable = "AcOcItemSetBase: Can not get any information from group 3";
constexpr const char* kItemsUnreadable = "AcOcItemSetBase: Can not read the items of group 3";

class StartupFaults : public FaultFixture {
protected:
    // Not the fixture's fresh board and Undo: the bars stay as start-up left them.
    void SetUp() override {
        journal = std::make_unique<JournalScope>();
        Forget();
        StartRecording();
    }
};

TEST_F(StartupFaults, OnlyAnUnlistableGroupIsToldAndAStepAppliesOnceTheFaultClears) {
    FaultCase fault;
    if (!StartupFault(fault)) GTEST_SKIP() << "this run starts the program without a fault";
    current = fault.Name();
    SimulatedBoard::ClearFaults();
    const std::vector<std::string>& shown = StartupMessages();
    const bool hasSliders = Layout().BarsByItem().count(kClock) != 0;
    std::string user;
    for (const std::string& text : shown) user += (user.empty() ? "" : " / ") + text;
    std::printf("[fault] start-up | %s | user: %s%s | firmware: %s\n", current.c_str(),
                user.empty() ? "nothing" : user.c_str(), hasSliders ? "" : " (no sliders)",
                JournalSummary(StartupJournal(), 0).c_str());

    for (const std::string& text : shown)
        EXPECT_TRUE(text == kGroup3Unreadable || text == kItemsUnreadable) << text;
    EXPECT_LE(shown.size(), 2u) << "once for the item set and once for the ratio set at most";
    if (fault.mode == kFirmFailEveryCall) {
        const bool unlistable = fault.ordinal == 1 || fault.ordinal == 5;
        const bool unwalkable = fault.ordinal == 6 || fault.ordinal == 7 || fault.ordinal == 9 || fault.ordinal == 11;
        EXPECT_EQ(!shown.empty(), unlistable || unwalkable) << "reads and writes failing later are not told here";
        if (unwalkable) {
            EXPECT_EQ(shown, std::vector<std::string>{kItemsUnreadable});
        }
    }
    if (!hasSliders) {
        EXPECT_FALSE(shown.empty()) << "a window without sliders was told why";
    }
    for (const std::string& line : StartupJournal())
        if (line.rfind("2 ", 0) == 0 && line.rfind("2 0x030600F0 ", 0) != 0)
            ADD_FAILURE() << "start-up wrote a value: " << line;

    if (!hasSliders) return;
    ExpectUsableAgain();
}

}  // namespace
}  // namespace faultstest
