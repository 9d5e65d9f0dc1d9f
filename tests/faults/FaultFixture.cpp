#include "tests/faults/FaultFixture.h"

#include "app/Director.h"
#include "app/mainwindow/AdvRatioBar.h"
#include "frame/Application.h"
#include "kiln/Component/AlphaButton.h"
#include "tests/support/Diagnostics.h"

#include <cstdio>

namespace faultstest {
namespace {

std::unique_ptr<testsupport::MessageRecorder> g_recorder;

uint32_t Word(const std::string& text) {
    return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16));
}

}  // namespace

void FaultFixture::SetUp() {
    InProcessProgram::SetUp();
    StartRecording();
}

void FaultFixture::StartRecording() {
    g_recorder = std::make_unique<testsupport::MessageRecorder>();
}

void FaultFixture::TearDown() {
    SimulatedBoard::ClearFaults();
    g_recorder.reset();
    InProcessProgram::TearDown();
}

void FaultFixture::Fresh() {
    SimulatedBoard::ClearFaults();
    SimulatedBoard::Load("");
    Director::Instance().HideMainWindow();
    Click(*Layout().UndoButton());
    frame::Application::Instance().ProcessMessages();
    testsupport::MessageRecorder::Messages().clear();
    Forget();
}

void FaultFixture::ForEachCase(const std::vector<FaultCase>& cases, const std::function<void()>& prepare,
                               const std::function<void()>& phase, const std::function<void()>& check) {
    for (const FaultCase& fault : cases) {
        current = fault.Name();
        SCOPED_TRACE(current);
        Fresh();
        prepare();
        Forget();
        caseStart = journal->Lines().size();
        fault.Inject();
        try {
            phase();
        } catch (const testsupport::AssertionStop& stop) {
            ADD_FAILURE() << "assertion: " << stop.what();
        }
        SimulatedBoard::ClearFaults();
        check();
        if (HasFatalFailure()) return;
    }
}

std::vector<std::pair<uint32_t, uint32_t>> FaultFixture::WrittenValues() const {
    std::vector<std::pair<uint32_t, uint32_t>> values;
    for (const std::string& call : Writes()) {
        // "2 <item> <value> <mode>"
        const size_t item = call.find(' ') + 1;
        const size_t value = call.find(' ', item) + 1;
        values.emplace_back(Word(call.substr(item, 10)), Word(call.substr(value, 10)));
    }
    return values;
}

void FaultFixture::ExpectOnlyWrites(const Allowed& allowed, const char* step) const {
    for (const auto& [item, value] : WrittenValues()) {
        bool chosen = false;
        const auto range = allowed.equal_range(item);
        for (auto it = range.first; it != range.second; ++it) chosen = chosen || it->second == value;
        char text[96];
        std::snprintf(text, sizeof text, "%s wrote item 0x%08X = %u, which the user did not choose", step,
                      static_cast<unsigned>(item), static_cast<unsigned>(value));
        EXPECT_TRUE(chosen) << text;
    }
}

std::vector<std::string> FaultFixture::Messages() {
    std::vector<std::string> shown;
    for (const auto& [text, caption] : testsupport::MessageRecorder::Messages()) shown.push_back(caption + ": " + text);
    return shown;
}

void FaultFixture::ExpectBarsShowFirmware(const char* when) {
    for (AdvBar* bar : Layout().AllBars()) {
        const uint32_t item = bar->ItemNumber();
        if (item == 0) continue;
        const auto* ratio = dynamic_cast<AdvRatioBar*>(bar);
        const uint32_t firmware = SimulatedBoard::Peek(item, ratio ? ratio->Core() : 0);
        EXPECT_EQ(static_cast<uint32_t>(bar->Position()), firmware)
            << when << ": the bar of item 0x" << std::hex << item << (ratio ? " (a core)" : "");
    }
}

std::vector<std::string> FaultFixture::ApplyAnsweringYes() const {
    return ClickAnswering(*Layout().ApplyButton(), {"YesButton"});
}

void FaultFixture::ExpectUsableAgain() {
    Forget();
    testsupport::MessageRecorder::Messages().clear();
    AdvBar& clock = BarOf(kClock);
    Click(Find<kiln::AlphaButton>(Part(kClock, "Increase")));
    const uint32_t chosen = static_cast<uint32_t>(clock.Position());
    ASSERT_TRUE(ApplyEnabled()) << "a step enables Apply";
    EXPECT_EQ(ApplyAnsweringYes(), std::vector<std::string>{kUnstable});
    ExpectOnlyWrites({{kClock, chosen}}, "Apply after the fault cleared");
    EXPECT_EQ(SimulatedBoard::Peek(kClock), chosen) << "the chosen base clock reached the firmware";
    // The broadcast of the Apply reloads the bars.
    frame::Application::Instance().ProcessMessages();
    EXPECT_EQ(static_cast<uint32_t>(clock.Position()), chosen);
    ExpectBarsShowFirmware("after Apply");
    EXPECT_FALSE(ApplyEnabled());
    EXPECT_TRUE(Messages().empty());
}

void FaultFixture::Report(const std::string& phase, const std::vector<std::string>& shown) {
    std::string user;
    for (const std::string& text : shown) user += (user.empty() ? "" : " / ") + text;
    std::printf("[fault] %s | %s | user: %s | firmware: %s\n", phase.c_str(), current.c_str(),
                user.empty() ? "nothing" : user.c_str(), JournalSummary(journal->Lines(), caseStart).c_str());
}

std::string JournalSummary(const std::vector<std::string>& lines, size_t first) {
    std::map<uint32_t, std::pair<unsigned, unsigned>> calls;  // ordinal -> (calls, failed)
    std::string writes;
    for (size_t i = first; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const uint32_t ordinal = static_cast<uint32_t>(std::strtoul(line.c_str(), nullptr, 10));
        const size_t arrow = line.find(" -> ");
        if (arrow == std::string::npos) continue;
        auto& [count, failed] = calls[ordinal];
        ++count;
        const bool ok = Word(line.substr(arrow + 4, 10)) != 0;
        if (!ok) ++failed;
        if (ordinal == 2 && ok && line.rfind("2 0x030600F0 ", 0) != 0)
            writes += (writes.empty() ? "" : ", ") + line.substr(2, 21);
    }
    std::string summary;
    for (const auto& [ordinal, counts] : calls)
        summary += std::to_string(ordinal) + ":" + std::to_string(counts.first) + "/" + std::to_string(counts.second) + " ";
    return summary + "writes: " + (writes.empty() ? "none" : writes);
}

}  // namespace faultstest
