// The dialogs by keyboard: Enter gives the default answer or presses the
// button the focus stands on, Esc closes as the close button does, Tab
// moves between the buttons and, in the save dialog, the name field and the
// list.

#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"
#include "TunevaultLibrary.h"

#include "frame/WinControl.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tunevaulttest {
namespace {

HWND Ask() {
    return ShownDialog(kAskDialogClass);
}

std::string FocusName() {
    return frame::WinControl::WindowName(GetFocus());
}

// The answer to a question answered by `key` alone.
int AnswerByKey(WPARAM key) {
    const TunevaultLibrary& library = Library();  // loaded before the script posts its first step
    DialogScript script;
    script.When([] { return Ask() != nullptr; }, [key] { PressKey(Ask(), key); });
    return script.Run([&] { return library.ask("Do you want to continue?", 40, 40); });
}

TEST(DialogKeysTest, EnterAnswersYesAndEscClosesTheQuestion) {
    EXPECT_EQ(AnswerByKey(VK_RETURN), kYes);
    EXPECT_EQ(AnswerByKey(VK_ESCAPE), kCancel);
}

TEST(DialogKeysTest, TabReachesTheButtonsAndEnterPressesTheOneFocused) {
    const TunevaultLibrary& library = Library();
    std::set<std::string> focused;
    DialogScript script;
    script.When([] { return Ask() != nullptr; }, [] { PressKey(Ask(), VK_TAB); });
    for (int tab = 0; tab < 3; ++tab)
        script.Then([&focused] {
            focused.insert(FocusName());
            if (FocusName() != "NoButton") PressKey(Ask(), VK_TAB);
        });
    script.Then([] { PressKey(Ask(), VK_RETURN); });
    EXPECT_EQ(script.Run([&] { return library.ask("Do you want to continue?", 40, 40); }), kNo);
    EXPECT_TRUE(focused.count("YesButton")) << "Tab passes the default answer on its way";
}

TEST(DialogKeysTest, TheSaveDialogStartsInTheNameFieldAndTabsToTheList) {
    const TunevaultLibrary& library = Library();
    std::string first, second;
    DialogScript script;
    script
        .When([] { return ShownDialog(kProfileDialogClass) && FocusName() == "ProfileNameEdit"; },
              [&] {
                  first = FocusName();
                  PressKey(ShownDialog(kProfileDialogClass), VK_TAB);
              })
        .Then([&] {
            second = FocusName();
            PressKey(ShownDialog(kProfileDialogClass), VK_ESCAPE);
        });
    EXPECT_EQ(script.Run([&] { return library.showModal(); }), kCancel);
    EXPECT_EQ(first, "ProfileNameEdit");
    EXPECT_EQ(second, "ProfileNameList");
}

}  // namespace
}  // namespace tunevaulttest
