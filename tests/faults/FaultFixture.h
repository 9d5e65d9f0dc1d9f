#pragma once
// The program in the test process, driven through one phase while the
// firmware fails. Every case starts on a fresh board with the bars showing
// it, records every message box (and makes assertions throw) while it runs,
// and ends with the fault cleared and the checks every phase shares: no
// value written that the user did not choose, and the program usable again.

#include "tests/support/ProgramWords.h"
#include "tests/controller/InProcessProgram.h"
#include "tests/faults/FaultCase.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace faultstest {

inline constexpr uint32_t kClock = 0x03010011;
inline constexpr uint32_t kRatioLocal = 19;
using testsupport::kUnstable;

// Which writes a step allows: an item may be written only with one of the
// values the user chose for it in that step.
using Allowed = std::multimap<uint32_t, uint32_t>;

class FaultFixture : public controllertest::InProcessProgram {
protected:
    void SetUp() override;
    void TearDown() override;
    // Message boxes recorded and assertions thrown from now to TearDown().
    static void StartRecording();

    // Board values, faults and bars back to the board file's; journal and
    // message record emptied.
    void Fresh();
    // Runs `phase` once per case, each from Fresh() and `prepare`, with the
    // fault injected just before it, the fault cleared after it, then `check`.
    void ForEachCase(const std::vector<FaultCase>& cases, const std::function<void()>& prepare,
                     const std::function<void()>& phase, const std::function<void()>& check);

    // Each value write since the last Forget() as (item, value).
    std::vector<std::pair<uint32_t, uint32_t>> WrittenValues() const;
    // Fails for every write that `allowed` does not hold.
    void ExpectOnlyWrites(const Allowed& allowed, const char* step) const;
    // The message boxes shown since Fresh(), "caption: text".
    static std::vector<std::string> Messages();
    // Every bar bound to an item shows the firmware's value of it.
    static void ExpectBarsShowFirmware(const char* when);
    // With the fault cleared, a step of the base clock and Apply write that
    // value and nothing else, and every bar then shows the firmware.
    void ExpectUsableAgain();
    // Apply answered with yes; returns the questions asked.
    std::vector<std::string> ApplyAnsweringYes() const;

    // One line for the suite's report: the case, what the user was shown
    // and what the firmware saw since the case began (calls per ordinal,
    // failed ones, value writes).
    void Report(const std::string& phase, const std::vector<std::string>& shown);

    std::string current;  // the case running, for messages
    size_t caseStart = 0;  // journal lines before the case
};

// "5:4/4 11:0/12": calls and failed calls (result 0) per ordinal, then the
// value writes, of journal lines from `first` on.
std::string JournalSummary(const std::vector<std::string>& lines, size_t first);

}  // namespace faultstest
