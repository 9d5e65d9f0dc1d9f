// The safety net under Apply, as a user meets it: a change applied, the
// machine gone within the next minutes (the program killed as a crash would
// end it), and the question at the next start.

#include "tests/controller/ProgramFixture.h"

#include "kiln/fileutl/ProfileFolder.h"
#include "tests/support/DialogWindows.h"
#include "tests/support/FindControl.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <fstream>

namespace controllertest {
namespace {

constexpr uint32_t kClock = 0x03010011;
constexpr const char* kQuestionStart = "Veltrune applied new settings at ";
constexpr const char* kQuestionEnd =
    " and the system stopped within two minutes. Restore the settings from before?";

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SafetyNet : public ProgramFixture {
protected:
    void SetUp() override {
        SetEnvironmentVariableA("VELTRUNE_SAFETY_SECONDS", SettleSeconds());
        ProgramFixture::SetUp();
    }
    void TearDown() override {
        ProgramFixture::TearDown();
        SetEnvironmentVariableA("VELTRUNE_SAFETY_SECONDS", nullptr);
        DeleteFileA(record.c_str());
        DeleteFileA((record + ".damaged").c_str());
    }
    virtual const char* SettleSeconds() const { return "60"; }

    // One step up of the base clock (0 on the board), applied with Yes.
    void ApplyClockStep(uint32_t expected = 1) {
        Send(veltrune::msg::kShow, 0);
        testsupport::Click(testsupport::FindWindowNamed(Main(), "Bar03010011.Increase"));
        HWND apply = testsupport::FindWindowNamed(Main(), "ApplyButton");
        ASSERT_TRUE(testsupport::PumpUntil([&] { return IsWindowEnabled(apply) != FALSE; }, 5000));
        testsupport::Click(apply);
        ASSERT_TRUE(testsupport::PumpUntil([] { return testsupport::ShownDialog(testsupport::kAskDialogClass); }, 10000));
        testsupport::Answer("YesButton");
        ASSERT_TRUE(testsupport::PumpUntil([=] { return SimulatedBoard::Peek(kClock) == expected; }, 10000));
    }
    // Ends the copy as a crash or a power cut would, and starts the next.
    void CrashAndStart() {
        TerminateProcess(program->Process(), 1);
        ASSERT_TRUE(program->WaitForExit(10000));
        ASSERT_TRUE(StartProgram());
        Forget();
    }
    bool Asked() const {
        return testsupport::PumpUntil([] { return testsupport::ShownDialog(testsupport::kAskDialogClass); }, 10000);
    }

    const std::string record = kiln::SafetyRecordPath();
};

// The second Apply comes while the first is still pending: what comes back
// is what ran before the first.
TEST_F(SafetyNet, ACrashSoonAfterApplyAsksAndYesWritesTheEarlierValuesBack) {
    ApplyClockStep();
    ASSERT_NO_FATAL_FAILURE(ApplyClockStep(2));
    EXPECT_TRUE(Exists(record));
    CrashAndStart();
    ASSERT_TRUE(Asked());
    const std::string question = testsupport::AskMessage();
    EXPECT_EQ(question.rfind(kQuestionStart, 0), 0u) << question;
    EXPECT_NE(question.find(kQuestionEnd), std::string::npos) << question;
    EXPECT_TRUE(IsWindowVisible(Main())) << "the question comes with the window";

    testsupport::Answer("YesButton");
    ASSERT_TRUE(testsupport::PumpUntil([] { return SimulatedBoard::Peek(kClock) == 0; }, 10000));
    // The board holds the value a moment before the journal has the line.
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !Writes().empty(); }, 5000)) << "the restore went to the firmware";
    EXPECT_TRUE(broadcasts.WaitFor(1, 5000)) << "every program hears of the restore";
    EXPECT_FALSE(Exists(record));
}

TEST_F(SafetyNet, NoKeepsTheFirmwareAndForgetsTheRecord) {
    ApplyClockStep();
    CrashAndStart();
    ASSERT_TRUE(Asked());
    testsupport::Answer("NoButton");
    ASSERT_TRUE(testsupport::PumpUntil([] { return !testsupport::ShownDialog(testsupport::kAskDialogClass); }, 5000));
    EXPECT_TRUE(testsupport::PumpUntil([&] { return !Exists(record); }, 5000));
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 1u);
}

TEST_F(SafetyNet, ADamagedRecordIsSetAsideWithAWarningAndNeverWritten) {
    ApplyClockStep();
    TerminateProcess(program->Process(), 1);
    ASSERT_TRUE(program->WaitForExit(10000));
    {
        // Cut short, as a write interrupted half-way would leave it.
        std::ifstream in(record, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        in.close();
        ASSERT_GT(text.size(), 10u);
        std::ofstream(record, std::ios::binary | std::ios::trunc) << text.substr(0, text.size() - 6);
    }
    ASSERT_TRUE(StartProgram());
    Forget();
    ASSERT_TRUE(Asked());
    EXPECT_NE(testsupport::AskMessage().find("damaged"), std::string::npos) << testsupport::AskMessage();
    testsupport::Answer("OkButton");
    testsupport::PumpFor(500);
    EXPECT_FALSE(Exists(record));
    EXPECT_TRUE(Exists(record + ".damaged"));
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(SimulatedBoard::Peek(kClock), 1u);
}

TEST_F(SafetyNet, EndingNormallySettlesTheRecord) {
    ApplyClockStep();
    Send(veltrune::msg::kClose, 0);
    ASSERT_TRUE(program->WaitForExit(10000));
    ASSERT_TRUE(StartProgram());
    EXPECT_FALSE(Asked());
    EXPECT_FALSE(IsWindowVisible(Main()));
}

class SettledSafetyNet : public SafetyNet {
protected:
    const char* SettleSeconds() const override { return "1"; }
};

TEST_F(SettledSafetyNet, SettingsThatRanTheirTimeAskNothing) {
    ApplyClockStep();
    testsupport::PumpFor(3000);
    CrashAndStart();
    EXPECT_FALSE(Asked());
    EXPECT_FALSE(IsWindowVisible(Main()));
    EXPECT_TRUE(Exists(record)) << "the settled record stays until the next Apply";
    EXPECT_TRUE(Writes().empty());
}

}  // namespace
}  // namespace controllertest
