// The dialogs by keyboard and by screen reader: Enter gives the default
// answer or presses the button the focus stands on, Esc closes as the close
// button does, Tab moves between the buttons and, in the save dialog, the
// name field and the list; a reader hears a question by its message and its
// buttons by their captions.

#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"
#include "TunevaultLibrary.h"

#include "frame/WinControl.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <set>
#include <string>
#include <vector>

namespace tunevaulttest {
namespace {

HWND Ask() {
    return ShownDialog(kAskDialogClass);
}

constexpr GUID kIidAccessible{0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// What a reader hears of the dialog's client area (child 0) or a child.
struct Heard {
    std::string name;
    long role = 0;
    long state = 0;
};

Heard Hear(HWND dialog, long child) {
    Heard heard;
    IAccessible* object = nullptr;
    if (AccessibleObjectFromWindow(dialog, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                   reinterpret_cast<void**>(&object)) != S_OK)
        return heard;
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    BSTR name = nullptr;
    if (object->get_accName(id, &name) == S_OK) {
        const std::wstring wide(name);
        heard.name.assign(wide.begin(), wide.end());
        SysFreeString(name);
    }
    VARIANT answer;
    if (SUCCEEDED(object->get_accRole(id, &answer))) heard.role = answer.lVal;
    if (SUCCEEDED(object->get_accState(id, &answer))) heard.state = answer.lVal;
    object->Release();
    return heard;
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

TEST(DialogAccessTest, EnterAnswersYesAndEscClosesTheQuestion) {
    EXPECT_EQ(AnswerByKey(VK_RETURN), kYes);
    EXPECT_EQ(AnswerByKey(VK_ESCAPE), kCancel);
}

TEST(DialogAccessTest, AnEnterHeldFromBeforeTheQuestionDoesNotAnswerIt) {
    const TunevaultLibrary& library = Library();
    bool stillAsking = false;
    DialogScript script;
    script.When([] { return Ask() != nullptr; }, [] { PostMessageA(Ask(), WM_KEYDOWN, VK_RETURN, 0x40000001); })
        .Then([&stillAsking] {
            stillAsking = Ask() != nullptr;
            PressKey(Ask(), VK_ESCAPE);
        });
    EXPECT_EQ(script.Run([&] { return library.ask("Do you want to continue?", 40, 40); }), kCancel);
    EXPECT_TRUE(stillAsking);
}

TEST(DialogAccessTest, TabReachesTheButtonsAndEnterPressesTheOneFocused) {
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

TEST(DialogAccessTest, TheSaveDialogStartsInTheNameFieldAndTabsToTheList) {
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

TEST(DialogAccessTest, AReaderHearsTheQuestionByItsMessageAndItsButtonsByTheirCaptions) {
    const TunevaultLibrary& library = Library();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::vector<Heard> heard;
    DialogScript script;
    script.When([] { return Ask() != nullptr; },
                [&heard] {
                    for (long child = 0; child <= 4; ++child) heard.push_back(Hear(Ask(), child));
                    heard.push_back(Hear(ControlWindow(Ask(), "YesButton"), CHILDID_SELF));
                    PressKey(Ask(), VK_ESCAPE);
                });
    EXPECT_EQ(script.Run([&] { return library.ask("Do you want to continue?", 40, 40); }), kCancel);
    ASSERT_EQ(heard.size(), 6u);
    EXPECT_EQ(heard[0].name, "Do you want to continue?");
    EXPECT_EQ(heard[5].name, "Yes") << "the button's own window says the same";
    EXPECT_EQ(heard[5].role, ROLE_SYSTEM_PUSHBUTTON);
    heard.pop_back();
    std::vector<std::string> shown;
    for (size_t child = 1; child < heard.size(); ++child) {
        EXPECT_EQ(heard[child].role, ROLE_SYSTEM_PUSHBUTTON);
        if (!(heard[child].state & STATE_SYSTEM_INVISIBLE)) shown.push_back(heard[child].name);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Close", "Yes", "No"}));
}

}  // namespace
}  // namespace tunevaulttest
