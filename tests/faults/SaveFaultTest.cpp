// "Save Profile" while the profile writer fails: the firmware it reads from
// failing ordinal by ordinal, a writer that cuts its file short, an
// existing profile it cannot replace, and a profile folder that cannot be
// made. Whatever fails, the user is told "The profile could not be saved."
// and the dialog stays open; a profile file that exists afterwards holds
// every setting with the board's value; a profile that could not be
// replaced keeps its old contents; nothing temporary is left in the
// profile folder. A writer that rewrites a profile in place so quickly that
// the file's times do not change has still saved it.

#include "tests/faults/FaultFixture.h"

#include "app/ocitems/CurrentSettings.h"
#include "app/ocitems/LuOcRatio.h"
#include "kiln/fileutl/ProfileFolder.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"

#include <gtest/gtest.h>

#include <cstring>

namespace faultstest {
namespace {

constexpr const char* kReplace = "The profile already exists. Are you sure you want to replace the profile?";
constexpr const char* kNotSaved = "The profile could not be saved.";
constexpr const char* kNewName = "FaultProbe";
constexpr const char* kOldName = "FaultKeep";
// A whole profile, as a save that is to replace it must not pass for.
const std::string kOldContents = [] {
    const uint32_t words[] = {0x46504556, 1, 2, kClock, 3, 0x03020012, 40};
    return std::string(reinterpret_cast<const char*>(words), sizeof words);
}();

std::string PathOf(const std::string& name) {
    return kiln::ProfilePath(kiln::GetProfileFolder(), name);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::string& path, const std::string& contents) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(contents.data(), 1, contents.size(), file);
    std::fclose(file);
}

class SaveFaults : public FaultFixture {
protected:
    void SetUp() override {
        FaultFixture::SetUp();
        RemoveOwnProfiles();
    }
    void TearDown() override {
        RemoveOwnProfiles();
        EXPECT_EQ(testsupport::FileNames(kiln::GetProfileFolder() + "*.tmp"), std::vector<std::string>{})
            << "left in the profile folder";
        FaultFixture::TearDown();
    }
    static void RemoveOwnProfiles() {
        for (const char* name : {kNewName, kOldName}) DeleteFileA(PathOf(name).c_str());
    }

    // Save Profile, the name typed and saved; a replace question is answered
    // yes, any other with OK, and a dialog still open afterwards is
    // cancelled. Returns the questions asked.
    std::vector<std::string> SaveAs(const std::string& name) {
        std::vector<std::string> asked;
        auto act = [&asked] {
            if (testsupport::ShownDialog(testsupport::kAskDialogClass)) {
                asked.push_back(testsupport::AskMessage());
                testsupport::Answer(asked.back() == kReplace ? "YesButton" : "OkButton");
            } else if (HWND dialog = testsupport::ShownDialog(testsupport::kProfileDialogClass)) {
                testsupport::Click(testsupport::ControlWindow(dialog, "CancelButton"));
            }
        };
        testsupport::DialogScript script;
        script.When([] { return testsupport::ShownDialog(testsupport::kProfileDialogClass) != nullptr; },
                    [name] {
                        HWND dialog = testsupport::ShownDialog(testsupport::kProfileDialogClass);
                        testsupport::Type(testsupport::ControlWindow(dialog, "ProfileNameEdit"), name);
                        testsupport::Click(testsupport::ControlWindow(dialog, "SaveButton"));
                    });
        for (int i = 0; i < 4; ++i) script.Then(act);
        script.Run([this] {
            Click(*Layout().SaveProfileButton());
            return 0;
        });
        EXPECT_EQ(testsupport::ShownDialog(testsupport::kProfileDialogClass), nullptr);
        return asked;
    }

    // A profile file the writer made: header, version 1, then an entry for
    // every setting, each the board's value now (the ratio once per core, in
    // core order).
    static void ExpectWholeProfileOfTheBoard(const std::string& path) {
        const std::string bytes = testsupport::ReadWholeFile(path);
        ASSERT_GE(bytes.size(), 12u);
        uint32_t head[3];
        std::memcpy(head, bytes.data(), sizeof head);
        EXPECT_EQ(head[1], 1u);
        ASSERT_EQ(bytes.size(), 12u + 8u * head[2]) << "a whole profile, nothing cut";
        EXPECT_EQ(head[2], CollectCurrentSettings(LuOcRatio::Instance(), RatioEntries::CurrentValues).size())
            << "no setting left out";
        const uint32_t ratio = LuOcRatio::Instance().ItemNumber();
        uint32_t core = 0;
        for (uint32_t i = 0; i < head[2]; ++i) {
            uint32_t entry[2];
            std::memcpy(entry, bytes.data() + 12 + 8 * i, sizeof entry);
            const uint32_t firmware = SimulatedBoard::Peek(entry[0], entry[0] == ratio ? core++ : 0);
            EXPECT_EQ(entry[1], firmware) << "entry " << i << " item 0x" << std::hex << entry[0];
        }
    }

    // A new profile is either saved whole or the user is told it was not.
    void ExpectSavedOrTold(const std::vector<std::string>& asked, const std::string& path) {
        if (Exists(path)) {
            EXPECT_EQ(asked, std::vector<std::string>{});
            ExpectWholeProfileOfTheBoard(path);
        } else {
            EXPECT_EQ(asked, std::vector<std::string>{kNotSaved});
        }
    }
};

TEST_F(SaveFaults, AFailingFirmwareNeverPassesForASavedProfile) {
    std::vector<FaultCase> cases = EveryCallCases();
    for (const FaultCase& random : CasesFor("save"))
        if (random.mode == kFirmFailRandomly) cases.push_back(random);
    std::vector<std::string> askedNew, askedOld;
    ForEachCase(
        cases, [] { WriteFile(PathOf(kOldName), kOldContents); },
        [&] {
            askedNew = SaveAs(kNewName);
            askedOld = SaveAs(kOldName);
        },
        [&] {
            std::vector<std::string> shown = askedNew;
            shown.insert(shown.end(), askedOld.begin(), askedOld.end());
            Report("Save Profile", shown);
            EXPECT_EQ(Messages(), std::vector<std::string>{});
            EXPECT_EQ(Writes(), std::vector<std::string>{}) << "saving writes no setting";
            ExpectSavedOrTold(askedNew, PathOf(kNewName));
            if (testsupport::ReadWholeFile(PathOf(kOldName)) == kOldContents) {
                EXPECT_EQ(askedOld, (std::vector<std::string>{kReplace, kNotSaved}))
                    << "the old profile is still there: the user must hear that nothing was saved";
            } else {
                EXPECT_EQ(askedOld, std::vector<std::string>{kReplace});
                ExpectWholeProfileOfTheBoard(PathOf(kOldName));
            }

            RemoveOwnProfiles();
            EXPECT_EQ(SaveAs(kNewName), std::vector<std::string>{}) << "saving works again";
            ExpectWholeProfileOfTheBoard(PathOf(kNewName));
            RemoveOwnProfiles();
        });
}

TEST_F(SaveFaults, AWriterThatCutsItsFileShortIsToldAndLosesNothing) {
    WriteFile(PathOf(kOldName), kOldContents);
    {
        testsupport::ScopedEnvironment cut("VELOLIB_WRITE", "cut");
        EXPECT_EQ(SaveAs(kNewName), std::vector<std::string>{kNotSaved});
        EXPECT_FALSE(Exists(PathOf(kNewName))) << "a broken profile is not left in the list";
        EXPECT_EQ(SaveAs(kOldName), (std::vector<std::string>{kReplace, kNotSaved}));
        EXPECT_EQ(testsupport::ReadWholeFile(PathOf(kOldName)), kOldContents);
    }
    EXPECT_EQ(SaveAs(kOldName), std::vector<std::string>{kReplace}) << "saving works again";
    ExpectWholeProfileOfTheBoard(PathOf(kOldName));
}

TEST_F(SaveFaults, ARewriteInPlaceThatKeepsTheFileTimesIsSaved) {
    testsupport::ScopedEnvironment sameTimes("VELOLIB_WRITE", "same-times");
    EXPECT_EQ(SaveAs(kOldName), std::vector<std::string>{});
    const std::string first = testsupport::ReadWholeFile(PathOf(kOldName));
    // Another value of the same item: a profile of the same size.
    const uint32_t clock = SimulatedBoard::Peek(kClock);
    SimulatedBoard::Poke(kClock, 0, clock > 0 ? clock - 1 : clock + 1);
    EXPECT_EQ(SaveAs(kOldName), std::vector<std::string>{kReplace});
    ExpectWholeProfileOfTheBoard(PathOf(kOldName));
    EXPECT_EQ(testsupport::ReadWholeFile(PathOf(kOldName)).size(), first.size());
}

TEST_F(SaveFaults, AProfileThatCannotBeReplacedKeepsItsContentsAndTheUserHears) {
    WriteFile(PathOf(kOldName), kOldContents);
    {
        // Held open: nothing can be moved over it.
        base::FileHandle held(CreateFileA(PathOf(kOldName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        EXPECT_EQ(SaveAs(kOldName), (std::vector<std::string>{kReplace, kNotSaved}));
    }
    EXPECT_EQ(testsupport::ReadWholeFile(PathOf(kOldName)), kOldContents);
    EXPECT_EQ(SaveAs(kOldName), std::vector<std::string>{kReplace}) << "replaced once it is free";
    ExpectWholeProfileOfTheBoard(PathOf(kOldName));
}

TEST_F(SaveFaults, AProfileFolderThatCannotBeMadeIsToldAndLosesNothing) {
    WriteFile(PathOf(kOldName), kOldContents);
    std::string folder = kiln::GetProfileFolder();
    folder.pop_back();
    const std::string aside = folder + ".aside";
    ASSERT_TRUE(MoveFileA(folder.c_str(), aside.c_str()));
    // A file where the folder belongs: neither the folder nor a profile in
    // it can be made.
    WriteFile(folder, "");
    const std::vector<std::string> asked = SaveAs(kNewName);
    DeleteFileA(folder.c_str());
    ASSERT_TRUE(MoveFileA(aside.c_str(), folder.c_str()));
    EXPECT_EQ(asked, std::vector<std::string>{kNotSaved});
    EXPECT_FALSE(Exists(PathOf(kNewName)));
    EXPECT_EQ(testsupport::ReadWholeFile(PathOf(kOldName)), kOldContents);
}

}  // namespace
}  // namespace faultstest
