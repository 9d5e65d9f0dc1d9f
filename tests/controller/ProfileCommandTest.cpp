// The profile commands on the default board: the selector's list, a chosen
// profile loaded into the bars without touching the firmware, and "Save
// Profile" with the dialog library's save dialog.

#include "tests/controller/InProcessProgram.h"

#include "app/Director.h"
#include "app/TunevaultLibrary.h"
#include "frame/ListBox.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/fileutl/ProfileFolder.h"
#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace controllertest {
namespace {

constexpr uint32_t kClock = 0x03010011;
constexpr uint32_t kRatio = 0x030C0013;

struct Entry {
    uint32_t item;
    uint32_t value;
};

// A profile file as the profile writer makes them: header, version 1,
// count, then the entries.
void WriteProfile(const std::string& name, const std::vector<Entry>& entries) {
    std::ofstream file(kiln::ProfilePath(kiln::GetProfileFolder(), name), std::ios::binary);
    const uint32_t head[3] = {0, 1, static_cast<uint32_t>(entries.size())};
    file.write(reinterpret_cast<const char*>(head), sizeof head);
    for (const Entry& entry : entries) file.write(reinterpret_cast<const char*>(&entry), sizeof entry);
}

class ProfileCommands : public InProcessProgram {
protected:
    void SetUp() override {
        InProcessProgram::SetUp();
        RemoveOwnProfiles();
    }
    void TearDown() override {
        RemoveOwnProfiles();
        Layout().ProfileSelector()->Close();
        InProcessProgram::TearDown();
    }
    static void RemoveOwnProfiles() {
        for (const char* name : {"Cores", "Doomed", "Torn"})
            DeleteFileA(kiln::ProfilePath(kiln::GetProfileFolder(), name).c_str());
    }
    static std::vector<std::string> OpenList() {
        AdvComboBox& selector = *Layout().ProfileSelector();
        selector.Open();
        return selector.Items().Items();
    }
    static int IndexOf(const std::string& name) {
        const std::vector<std::string> names = OpenList();
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == name) return static_cast<int>(i);
        return -1;
    }
};

TEST_F(ProfileCommands, TheListHasTheBuiltInProfilesFirstThenTheFiles) {
    WriteProfile("Cores", {});
    const std::vector<std::string> names = OpenList();
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ((std::vector<std::string>{names[0], names[1], names[2]}),
              (std::vector<std::string>{"Power Saving", "Gaming", "Extreme OC"}));
    EXPECT_NE(IndexOf("Cores"), -1);
    EXPECT_GE(IndexOf("Cores"), 3);
}

TEST_F(ProfileCommands, ChoosingAProfileFillsTheBarsAndEnablesApplyWithoutWriting) {
    // Four cores: four ratio entries go to the four bars in order, a fifth
    // has no bar left.
    WriteProfile("Cores", {{kRatio, 10}, {kRatio, 11}, {kRatio, 12}, {kRatio, 13}, {kRatio, 14}, {kClock, 7}});
    const int index = IndexOf("Cores");
    ASSERT_NE(index, -1);
    Layout().ProfileSelector()->SetItemIndex(index);
    std::vector<int> ratios;
    for (AdvRatioBar* bar : Layout().RatioBars()) ratios.push_back(bar->Position());
    EXPECT_EQ(ratios, (std::vector<int>{10, 11, 12, 13}));
    EXPECT_EQ(BarOf(kClock).Position(), 7);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(Layout().ProfileSelector()->Text(), "Cores") << "the load itself does not clear the choice";
    EXPECT_TRUE(Writes().empty());
}

TEST_F(ProfileCommands, TheSelectorNamesAProfileOnlyWhileTheBarsHoldIt) {
    AdvComboBox& selector = *Layout().ProfileSelector();
    WriteProfile("Cores", {{kClock, 7}});
    selector.SetItemIndex(IndexOf("Cores"));
    ASSERT_EQ(selector.Text(), "Cores");
    OpenList();
    EXPECT_EQ(selector.Text(), "Cores") << "opening the list changes no bar";
    BarOf(kClock).SetPosition(8);
    EXPECT_EQ(selector.Text(), "") << "an edit after the list was opened again";

    // A profile that cannot be read is named, and the selector shows what
    // the bars still hold.
    selector.SetItemIndex(IndexOf("Cores"));
    std::ofstream(kiln::ProfilePath(kiln::GetProfileFolder(), "Torn"), std::ios::binary) << "torn";
    const int torn = IndexOf("Torn");
    ASSERT_NE(torn, -1);
    selector.Close();
    EXPECT_EQ(Answering([&] { selector.SetItemIndex(torn); }, {"OkButton"}),
              std::vector<std::string>{"The profile Torn could not be read."});
    EXPECT_EQ(selector.Text(), "Cores");
    EXPECT_EQ(BarOf(kClock).Position(), 7);
    EXPECT_TRUE(Writes().empty());
}

TEST_F(ProfileCommands, SavingWithEditsPendingOnlyWarns) {
    BarOf(kClock).SetPosition(3);
    EXPECT_EQ(ClickAnswering(*Layout().SaveProfileButton(), {"OkButton"}),
              std::vector<std::string>{"The setting must be applied before saving it."});
    EXPECT_EQ(testsupport::ShownDialog(testsupport::kProfileDialogClass), nullptr);
}

TEST_F(ProfileCommands, AProfileDeletedInTheSaveDialogLeavesTheSelectorEmpty) {
    WriteProfile("Doomed", {{kClock, 0}});
    const int index = IndexOf("Doomed");
    ASSERT_NE(index, -1);
    Layout().ProfileSelector()->SetItemIndex(index);
    Layout().ProfileSelector()->Close();
    ASSERT_EQ(Layout().ProfileSelector()->Text(), "Doomed");
    // Applied, so that the profile may be saved; the choice stays.
    ClickAnswering(*Layout().ApplyButton(), {"YesButton"});
    ASSERT_FALSE(Director::Instance().UnappliedChanges());

    testsupport::DialogScript script;
    script.When([] { return testsupport::ShownDialog(testsupport::kProfileDialogClass) != nullptr; },
                [] {
                    HWND dialog = testsupport::ShownDialog(testsupport::kProfileDialogClass);
                    testsupport::Type(testsupport::ControlWindow(dialog, "ProfileNameEdit"), "Doomed");
                })
        .Then([] {
            HWND dialog = testsupport::ShownDialog(testsupport::kProfileDialogClass);
            testsupport::Click(testsupport::ControlWindow(dialog, "DeleteButton"));
        })
        .When([] { return testsupport::ShownDialog(testsupport::kAskDialogClass) != nullptr; },
              [] { testsupport::Answer("YesButton"); })
        .Then([] {
            HWND dialog = testsupport::ShownDialog(testsupport::kProfileDialogClass);
            testsupport::Click(testsupport::ControlWindow(dialog, "CancelButton"));
        });
    script.Run([this] {
        Click(*Layout().SaveProfileButton());
        return 0;
    });
    EXPECT_EQ(GetFileAttributesA(kiln::ProfilePath(kiln::GetProfileFolder(), "Doomed").c_str()),
              INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Layout().ProfileSelector()->Text(), "");
    EXPECT_EQ(Layout().ProfileSelector()->ItemIndex(), -1);
}

}  // namespace
}  // namespace controllertest
