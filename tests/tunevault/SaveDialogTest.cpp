// The save-profile dialog driven through its windows: the name field and
// the list, saving through the profile writer, replacing and deleting with
// their questions, and names that must never become paths.

#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"
#include "TunevaultLibrary.h"

#include "app/ocitems/LuOcRatio.h"
#include "app/ocitems/CurrentSettings.h"
#include "app/profiles/VeOcItemProfile.h"
#include "kiln/fileutl/ProfileFolder.h"
#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>

namespace tunevaulttest {
namespace {


constexpr char kReplaceQuestion[] = "The profile already exists. Are you sure you want to replace the profile?";
constexpr char kDeleteQuestion[] = "Are you sure you want to delete this profile?";

bool DialogShown() {
    return ShownDialog(kProfileDialogClass) != nullptr;
}
bool QuestionShown() {
    return ShownDialog(kAskDialogClass) != nullptr;
}
HWND Part(const char* name) {
    return ControlWindow(ShownDialog(kProfileDialogClass), name);
}
bool Enabled(const char* name) {
    return IsWindowEnabled(Part(name)) != FALSE;
}
int IndexOf(const std::string& name) {
    HWND list = Part("ProfileNameList");
    for (int i = 0; i < ListCount(list); ++i)
        if (ListItem(list, i) == name) return i;
    return -1;
}
bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Profiles of this test program in the real profile folder, removed again.
class SaveDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Library().showModal);
        SimulatedBoard::Load("");
    }
    void TearDown() override {
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().filename().string().rfind(prefix, 0) == 0 || entry.path().filename() == "..oc")
                std::filesystem::remove(entry.path());
    }

    std::string Path(const std::string& name) const { return folder + name + ".oc"; }
    void Keep(const std::string& name, const std::string& content = "kept") const {
        std::ofstream(Path(name), std::ios::binary) << content;
    }
    static VeOcItemValueList BoardState() {
        LuOcRatio ratio;
        VeOcItemValueList state;
        state = CollectCurrentSettings(ratio, RatioEntries::CurrentValues);
        return state;
    }

    // What the question after "Save" showed.
    struct Question {
        std::string message;
        Offered offered;
    };
    // Types `name` and presses "Save", answers the question that follows
    // with `button`, then, while the save dialog is still up, runs
    // `afterwards` and cancels. Returns the dialog's result.
    static int SaveAndAnswer(const std::string& name, const char* button, Question& question,
                             const std::function<void()>& afterwards = nullptr) {
        DialogScript script;
        script.When(DialogShown,
                    [&] {
                        Type(Part("ProfileNameEdit"), name);
                        Click(Part("SaveButton"));
                    })
            .When(QuestionShown, [&] {
                question.message = AskMessage();
                question.offered = OfferedAnswers();
                Answer(button);
            });
        if (afterwards)
            script.When([] { return !QuestionShown(); },
                        [&] {
                            afterwards();
                            Click(Part("CancelButton"));
                        });
        return script.Run([] { return Library().showModal(); });
    }

    const std::string folder = kiln::GetProfileFolder();
    const std::string prefix = "tv" + std::to_string(GetCurrentProcessId()) + "-";
};

TEST_F(SaveDialogTest, ANameDifferingOnlyInCaseSelectsTheListedProfile) {
    const std::string listed = prefix + "Alpha";
    Keep(listed);
    std::string selected;
    bool saveTyped = false, deleteTyped = false, saveCleared = true, deleteCleared = true;
    DialogScript script;
    script.When(DialogShown, [&] { Type(Part("ProfileNameEdit"), prefix + "aLPHA"); })
        .Then([&] {
            const int index = ListSelection(Part("ProfileNameList"));
            if (index >= 0) selected = ListItem(Part("ProfileNameList"), index);
            saveTyped = Enabled("SaveButton");
            deleteTyped = Enabled("DeleteButton");
            ClearField(Part("ProfileNameEdit"));
        })
        .Then([&] {
            saveCleared = Enabled("SaveButton");
            deleteCleared = Enabled("DeleteButton");
            Click(Part("CancelButton"));
        });
    EXPECT_EQ(kCancel, script.Run([&] { return Library().showModal(); }));
    EXPECT_EQ(listed, selected);
    EXPECT_TRUE(saveTyped);
    EXPECT_TRUE(deleteTyped);
    EXPECT_FALSE(saveCleared);
    EXPECT_FALSE(deleteCleared);
}

TEST_F(SaveDialogTest, NoToTheReplaceQuestionKeepsTheDialogWithTheTypedName) {
    const std::string name = prefix + "Kept";
    Keep(name);
    Question question;
    std::string fieldAfter;
    bool openAfter = false;
    EXPECT_EQ(kCancel, SaveAndAnswer(name, "NoButton", question, [&] {
                  openAfter = DialogShown();
                  fieldAfter = WindowText(Part("ProfileNameEdit"));
              }));
    EXPECT_EQ(kReplaceQuestion, question.message);
    EXPECT_EQ(kYesNo, question.offered);
    EXPECT_TRUE(openAfter);
    EXPECT_EQ(name, fieldAfter);
    EXPECT_EQ("kept", testsupport::ReadWholeFile(Path(name)));
}

// The program may warn through the shared question dialog while the save
// dialog is open (a second start's resolution warning, say); the save
// dialog's own questions still offer "Yes" and "No".
TEST_F(SaveDialogTest, AWarningWhileTheDialogIsOpenLeavesItsQuestionsYesNo) {
    const std::string name = prefix + "Warned";
    Keep(name);
    int warned = 0;
    Offered warning, replace, removal;
    auto record = [](Offered& offered, const char* button) {
        return [&offered, button] {
            offered = OfferedAnswers();
            Answer(button);
        };
    };
    DialogScript script;
    script
        .WhenOpening(DialogShown,
                     [&] {
                         warned = Library().warn(
                             "Veltrune is optimized for viewing at 1024 x 768 or higher resolution.", 100, 100);
                     })
        .When(QuestionShown, record(warning, "OkButton"))
        .When([] { return !QuestionShown(); },
              [&] {
                  Type(Part("ProfileNameEdit"), name);
                  Click(Part("SaveButton"));
              })
        .When(QuestionShown, record(replace, "NoButton"))
        .When([] { return !QuestionShown(); }, [] { Click(Part("DeleteButton")); })
        .When(QuestionShown, record(removal, "NoButton"))
        .When([] { return !QuestionShown(); }, [] { Click(Part("CancelButton")); });
    EXPECT_EQ(kCancel, script.Run([] { return Library().showModal(); }));
    EXPECT_EQ(kOk, warned);
    EXPECT_EQ(kOkAlone, warning);
    EXPECT_EQ(kYesNo, replace);
    EXPECT_EQ(kYesNo, removal);
    EXPECT_TRUE(Exists(Path(name)));
}

TEST_F(SaveDialogTest, SaveWritesTheBoardsAppliedStateUnderTheTypedName) {
    SimulatedBoard::Poke(0x03020012, 0, 97);
    SimulatedBoard::Poke(0x030C0013, 1, 21);
    const std::string name = prefix + "Fresh";
    DialogScript script;
    script.When(DialogShown, [&] {
        Type(Part("ProfileNameEdit"), name);
        Click(Part("SaveButton"));
    });
    EXPECT_EQ(kOk, script.Run([&] { return Library().showModal(); }));
    VeOcItemProfile saved;
    ASSERT_TRUE(saved.LoadFromFile(Path(name)));
    EXPECT_EQ(BoardState(), saved.Entries());

    // An ".oc" the user typed is part of the name.
    DialogScript typedExtension;
    typedExtension.When(DialogShown, [&] {
        Type(Part("ProfileNameEdit"), name + ".oc");
        Click(Part("SaveButton"));
    });
    EXPECT_EQ(kOk, typedExtension.Run([&] { return Library().showModal(); }));
    EXPECT_TRUE(Exists(Path(name + ".oc")));
}

TEST_F(SaveDialogTest, YesToTheReplaceQuestionWritesOverTheOldProfile) {
    const std::string name = prefix + "Old";
    Keep(name, "old content");
    Question question;
    EXPECT_EQ(kOk, SaveAndAnswer(name, "YesButton", question));
    VeOcItemProfile saved;
    ASSERT_TRUE(saved.LoadFromFile(Path(name)));
    EXPECT_EQ(BoardState(), saved.Entries());
}

TEST_F(SaveDialogTest, AWriterThatLeavesNoFileIsReportedAndTheDialogStays) {
    const std::string name = prefix + "Unread";
    SimulatedBoard::SetFault(3, kFirmFaultListGroup);
    Question warning;
    bool openAfter = false;
    EXPECT_EQ(kCancel, SaveAndAnswer(name, "OkButton", warning, [&] { openAfter = DialogShown(); }));
    SimulatedBoard::ClearFaults();
    EXPECT_EQ("The profile could not be saved.", warning.message);
    EXPECT_EQ(kOkAlone, warning.offered);
    EXPECT_TRUE(openAfter);
    EXPECT_FALSE(Exists(Path(name)));
}

TEST_F(SaveDialogTest, DeleteAsksThenRefreshesTheListEitherWay) {
    const std::string name = prefix + "Doomed";
    Keep(name);
    std::string copied, question;
    bool deleteAfterPress = false, existsAfterNo = false, listedAfterNo = false, listedAfterYes = true;
    std::string fieldAfterNo = "?", fieldAfterYes = "?";
    bool buttonsAfterNo = true;
    DialogScript script;
    script.When(DialogShown, [&] { PressListItem(Part("ProfileNameList"), IndexOf(name)); })
        .Then([&] {
            copied = WindowText(Part("ProfileNameEdit"));
            deleteAfterPress = Enabled("DeleteButton");
            Click(Part("DeleteButton"));
        })
        .When(QuestionShown,
              [&] {
                  question = AskMessage();
                  Answer("NoButton");
              })
        .When([] { return !QuestionShown(); },
              [&] {
                  existsAfterNo = Exists(Path(name));
                  listedAfterNo = IndexOf(name) >= 0;
                  fieldAfterNo = WindowText(Part("ProfileNameEdit"));
                  buttonsAfterNo = Enabled("SaveButton") || Enabled("DeleteButton");
                  PressListItem(Part("ProfileNameList"), IndexOf(name));
              })
        .Then([&] { Click(Part("DeleteButton")); })
        .When(QuestionShown, [] { Answer("YesButton"); })
        .When([] { return !QuestionShown(); },
              [&] {
                  listedAfterYes = IndexOf(name) >= 0;
                  fieldAfterYes = WindowText(Part("ProfileNameEdit"));
                  Click(Part("CancelButton"));
              });
    EXPECT_EQ(kCancel, script.Run([&] { return Library().showModal(); }));
    EXPECT_EQ(name, copied);
    EXPECT_TRUE(deleteAfterPress);
    EXPECT_EQ(kDeleteQuestion, question);
    EXPECT_TRUE(existsAfterNo);
    EXPECT_TRUE(listedAfterNo);
    EXPECT_EQ("", fieldAfterNo);
    EXPECT_FALSE(buttonsAfterNo);
    EXPECT_FALSE(Exists(Path(name)));
    EXPECT_FALSE(listedAfterYes);
    EXPECT_EQ("", fieldAfterYes);
}

TEST_F(SaveDialogTest, SelectingWithTheKeyboardDoesNotCopyTheName) {
    Keep(prefix + "One");
    Keep(prefix + "Two");
    int selection = -1;
    std::string field = "?";
    bool deleteEnabled = true;
    DialogScript script;
    script.When(DialogShown, [&] { PressKey(Part("ProfileNameList"), VK_DOWN); })
        .Then([&] {
            selection = ListSelection(Part("ProfileNameList"));
            field = WindowText(Part("ProfileNameEdit"));
            deleteEnabled = Enabled("DeleteButton");
            Click(Part("CancelButton"));
        });
    EXPECT_EQ(kCancel, script.Run([&] { return Library().showModal(); }));
    EXPECT_GE(selection, 0);
    EXPECT_EQ("", field);
    EXPECT_FALSE(deleteEnabled);
}

TEST_F(SaveDialogTest, NamesThatWouldLeaveTheFolderAreRefusedWithAWarning) {
    const std::string escape = "..\\..\\" + prefix + "escape";
    const std::string drive = "C:\\" + prefix + "drive";
    for (const std::string& name : {escape, drive, std::string("CON"), std::string("..")}) {
        SCOPED_TRACE(name);
        Question warning;
        std::string fieldAfter;
        bool openAfter = false;
        EXPECT_EQ(kCancel, SaveAndAnswer(name, "OkButton", warning, [&] {
                      openAfter = DialogShown();
                      fieldAfter = WindowText(Part("ProfileNameEdit"));
                  }));
        EXPECT_NE(std::string::npos, warning.message.find("cannot contain")) << warning.message;
        EXPECT_EQ(kOkAlone, warning.offered);
        EXPECT_TRUE(openAfter);
        EXPECT_EQ(name, fieldAfter);
    }
    EXPECT_FALSE(Exists(folder + escape + ".oc"));
    EXPECT_FALSE(Exists(drive + ".oc"));
    EXPECT_FALSE(Exists(folder + "...oc"));
}

TEST_F(SaveDialogTest, AListedNameOfDotsIsNeverDeleted) {
    std::ofstream(folder + "..oc") << "dots";
    std::string warning;
    DialogScript script;
    script.When(DialogShown, [&] { PressListItem(Part("ProfileNameList"), IndexOf(".")); })
        .Then([&] { Click(Part("DeleteButton")); })
        .When(QuestionShown,
              [&] {
                  warning = AskMessage();
                  Answer("OkButton");
              })
        .When([] { return !QuestionShown(); }, [&] { Click(Part("CancelButton")); });
    EXPECT_EQ(kCancel, script.Run([&] { return Library().showModal(); }));
    EXPECT_NE(std::string::npos, warning.find("cannot contain")) << warning;
    EXPECT_TRUE(Exists(folder + "..oc"));
}

}  // namespace
}  // namespace tunevaulttest
