// Each ordinal failing in turn, on every call, on one call and at random,
// while the user applies, while the bars reload, while a profile loads and
// while the system suspends and resumes. The firmware's failures inside
// these steps are silent by design: the user is told nothing new, sees the
// firmware's values where they can be read, and nothing is written that the
// user did not choose in that step.

#include "tests/faults/FaultFixture.h"

#include "app/Director.h"
#include "app/mainwindow/AdvComboBox.h"
#include "app/ocitems/LuOcRatio.h"
#include "app/profiles/BuiltInProfiles.h"
#include "frame/Application.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/arvex/StoredProfiles.h"
#include "tests/support/ServiceProcess.h"

#include <gtest/gtest.h>

namespace faultstest {
namespace {

constexpr int kGaming = 1;  // the board's second built-in profile

class FaultPhases : public FaultFixture {
protected:
    void SetUp() override {
        FaultFixture::SetUp();
        // The names are read on first use; here, before any fault.
        ASSERT_GT(BuiltInProfiles::Instance().Count(), static_cast<size_t>(kGaming));
    }
    // Nothing shown, asked or written.
    void ExpectSilentAndNoWrites(const char* step) {
        EXPECT_EQ(Messages(), std::vector<std::string>{}) << step;
        EXPECT_EQ(Writes(), std::vector<std::string>{}) << step;
    }
};

TEST_F(FaultPhases, ApplyAsksOnceWritesOnlyTheChosenClockAndRecovers) {
    uint32_t chosen = 0;
    std::vector<std::string> asked;
    ForEachCase(
        CasesFor("apply"),
        [&] {
            Click(Find<kiln::AlphaButton>(Part(kClock, "Increase")));
            chosen = static_cast<uint32_t>(BarOf(kClock).Position());
        },
        [&] { asked = ApplyAnsweringYes(); },
        [&] {
            Report("Apply", asked);
            EXPECT_EQ(asked, std::vector<std::string>{kUnstable});
            EXPECT_EQ(Messages(), std::vector<std::string>{});
            ExpectOnlyWrites({{kClock, chosen}}, "Apply");
            EXPECT_FALSE(ApplyEnabled()) << "Apply ends with the button off whatever the firmware did";
            ExpectUsableAgain();
        });
}

TEST_F(FaultPhases, RefreshAndUndoWriteNothingAndRecover) {
    ForEachCase(
        CasesFor("refresh"),
        // Another program changed the base clock and one core's ratio; its
        // broadcast reloads the bars.
        [] {
            SimulatedBoard::Poke(kClock, 0, 40);
            const uint32_t ratio = LuOcRatio::Instance().ItemNumber();
            SimulatedBoard::Poke(ratio, 1, SimulatedBoard::Peek(ratio, 1) + 2);
        },
        [this] {
            Director::Instance().RefreshControls();
            Click(*Layout().UndoButton());
            frame::Application::Instance().ProcessMessages();
        },
        [&] {
            Report("refresh and Undo", Messages());
            ExpectSilentAndNoWrites("refresh and Undo");
            EXPECT_FALSE(ApplyEnabled()) << "Undo leaves nothing to apply";
            ExpectUsableAgain();
        });
}

TEST_F(FaultPhases, AProfileLoadsWithoutWritingAndApplyWritesOnlyItsValues) {
    std::vector<std::pair<uint32_t, uint32_t>> pairs;
    ASSERT_TRUE(kiln::ReadStoredProfile(kGaming, pairs));
    Allowed profile(pairs.begin(), pairs.end());
    LuOcRatio& ratio = LuOcRatio::Instance();
    profile.emplace(ratio.ItemNumber(), ratio.DefaultIndex());
    AdvComboBox& selector = *Layout().ProfileSelector();
    std::vector<std::string> warned;
    ForEachCase(
        CasesFor("profile load"), [] {},
        [&] {
            selector.Open();
            selector.Close();
            warned = Answering([&] { selector.SetItemIndex(kGaming); }, {"OkButton"});
        },
        [&] {
            Report("profile load", Messages());
            ExpectSilentAndNoWrites("loading the profile");
            // A profile that could not be read is named, and fills nothing.
            EXPECT_EQ(warned.empty(), ApplyEnabled()) << current;
            if (!warned.empty()) {
                EXPECT_EQ(warned, std::vector<std::string>{"The profile Gaming could not be read."}) << current;
            }
            if (ApplyEnabled()) {
                EXPECT_EQ(ApplyAnsweringYes(), std::vector<std::string>{kUnstable});
                ExpectOnlyWrites(profile, "Apply of the loaded profile");
                ExpectBarsShowFirmware("after applying the profile");
            }
            ExpectUsableAgain();
        });
}

class FaultPowerEvents : public FaultPhases {
protected:
    void SetUp() override {
        FaultPhases::SetUp();
        service = std::make_unique<testsupport::ServiceProcess>(std::vector<std::string>{"--state", "0"});
        ASSERT_TRUE(service->Listening());
    }
    void TearDown() override {
        service.reset();
        FaultPhases::TearDown();
    }
    // The applied state before the suspend: the base clock at 40 and one
    // core's ratio raised; every value of it may be written back.
    void SetAppliedState() {
        SimulatedBoard::Poke(kClock, 0, 40);
        LuOcRatio& ratio = LuOcRatio::Instance();
        SimulatedBoard::Poke(ratio.ItemNumber(), 1, SimulatedBoard::Peek(ratio.ItemNumber(), 1) + 2);
        applied = {{kClock, 40}};
        for (uint32_t core = 0; core < ratio.Count(); ++core)
            applied.emplace(ratio.ItemNumber(), SimulatedBoard::Peek(ratio.ItemNumber(), core));
    }
    // What the firmware forgot while asleep.
    static void ForgetWhileAsleep() {
        SimulatedBoard::Poke(kClock, 0, 0);
        SimulatedBoard::Poke(LuOcRatio::Instance().ItemNumber(), LuOcRatio::kAllCores, LuOcRatio::Instance().DefaultIndex());
    }

    std::unique_ptr<testsupport::ServiceProcess> service;
    Allowed applied;
};

TEST_F(FaultPowerEvents, ASuspendThatMeetsAFaultRestoresOnlyWhatItRead) {
    ForEachCase(
        CasesFor("suspend"), [this] { SetAppliedState(); }, [] { Director::Instance().OnSuspend(); },
        [&] {
            Report("suspend", Messages());
            ExpectSilentAndNoWrites("suspend");
            ForgetWhileAsleep();
            Director::Instance().OnResume();
            ExpectOnlyWrites(applied, "the resume after a faulty suspend");
            EXPECT_EQ(Messages(), std::vector<std::string>{});
            Director::Instance().RefreshControls();
            ExpectUsableAgain();
        });
}

TEST_F(FaultPowerEvents, AResumeThatMeetsAFaultWritesOnlyTheSnapshotAndTheNextResumeTheRest) {
    ForEachCase(
        CasesFor("resume"),
        [this] {
            SetAppliedState();
            Director::Instance().OnSuspend();
            ForgetWhileAsleep();
        },
        [] { Director::Instance().OnResume(); },
        [&] {
            Report("resume", Messages());
            ExpectOnlyWrites(applied, "resume");
            EXPECT_EQ(Messages(), std::vector<std::string>{});
            // What the faulty resume could not write, the next resume event does.
            Director::Instance().OnResume();
            ExpectOnlyWrites(applied, "the next resume");
            EXPECT_EQ(SimulatedBoard::Peek(kClock), 40u) << current;
            Director::Instance().RefreshControls();
            ExpectUsableAgain();
        });
}

}  // namespace
}  // namespace faultstest
