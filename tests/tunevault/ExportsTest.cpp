// The question, warning and danger entry points: their answers, the
// buttons each offers, where the dialog stands, the danger artwork for one
// showing only, and calls that arrive while a dialog is already showing.

#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"
#include "TunevaultLibrary.h"

#include "base/Handles.h"
#include "frame/DCScope.h"

#include <gtest/gtest.h>

namespace tunevaulttest {
namespace {


// Runs `show` while a script answers with `button`; records what was offered.
int AnswerWith(const std::function<int()>& show, const char* button, Offered* offered = nullptr) {
    DialogScript script;
    script.When([] { return ShownDialog(kAskDialogClass) != nullptr; },
                [=] {
                    if (offered) *offered = OfferedAnswers();
                    Answer(button);
                });
    return script.Run(show);
}

TEST(AskExportsTest, AQuestionAnswersYesNoOrClosed) {
    const TunevaultLibrary& library = Library();
    ASSERT_TRUE(library.ask);
    auto ask = [&] { return library.ask("Do you want to continue?", 120, 90); };
    Offered offered;
    EXPECT_EQ(kYes, AnswerWith(ask, "YesButton", &offered));
    EXPECT_EQ(kYesNo, offered);
    EXPECT_EQ(kNo, AnswerWith(ask, "NoButton"));
    EXPECT_EQ(kCancel, AnswerWith(ask, "CloseButton"));
    EXPECT_EQ(nullptr, ShownDialog(kAskDialogClass));
}

TEST(AskExportsTest, AWarningAnswersOkOrClosed) {
    const TunevaultLibrary& library = Library();
    ASSERT_TRUE(library.warn);
    auto warn = [&] { return library.warn("The setting must be applied before saving it.", 120, 90); };
    Offered offered;
    EXPECT_EQ(kOk, AnswerWith(warn, "OkButton", &offered));
    EXPECT_EQ(kOkAlone, offered);
    EXPECT_EQ(kCancel, AnswerWith(warn, "CloseButton"));
}

TEST(AskExportsTest, TheDialogStandsWhereAskedWithTheMessageEvenOffTheScreen) {
    const TunevaultLibrary& library = Library();
    RECT bounds{};
    std::string message;
    DialogScript script;
    script.When([] { return ShownDialog(kAskDialogClass) != nullptr; },
                [&] {
                    GetWindowRect(ShownDialog(kAskDialogClass), &bounds);
                    message = AskMessage();
                    Answer("NoButton");
                });
    EXPECT_EQ(kNo, script.Run([&] { return library.ask("Are you sure?", -60, 1000); }));
    EXPECT_EQ(-60, bounds.left);
    EXPECT_EQ(1000, bounds.top);
    EXPECT_EQ("Are you sure?", message);
}

TEST(AskExportsTest, RequestsWhileADialogIsShowingAnswerCancelAtOnce) {
    const TunevaultLibrary& library = Library();
    int nested[4] = {};
    DialogScript script;
    script.When([] { return ShownDialog(kAskDialogClass) != nullptr; },
                [&] {
                    nested[0] = library.ask("again", 0, 0);
                    nested[1] = library.warn("again", 0, 0);
                    nested[2] = library.danger("again", 0, 0);
                    nested[3] = AskMessage() == "first" ? kOk : 0;
                    Answer("YesButton");
                });
    EXPECT_EQ(kYes, script.Run([&] { return library.ask("first", 100, 100); }));
    EXPECT_EQ(kCancel, nested[0]);
    EXPECT_EQ(kCancel, nested[1]);
    EXPECT_EQ(kCancel, nested[2]);
    EXPECT_EQ(kOk, nested[3]) << "the nested calls touched the dialog";

    DialogScript saveScript;
    saveScript
        .When([] { return ShownDialog(kProfileDialogClass) != nullptr; },
              [&] {
                  nested[0] = library.showModal();
                  nested[1] = library.showModalSp();
                  Click(ControlWindow(ShownDialog(kProfileDialogClass), "CancelButton"));
              });
    EXPECT_EQ(kCancel, saveScript.Run([&] { return library.showModal(); }));
    EXPECT_EQ(kCancel, nested[0]);
    EXPECT_EQ(kCancel, nested[1]);
}

// A pixel of the question dialog as it paints itself.
COLORREF PaintedPixel(HWND dialog, POINT at) {
    RECT client;
    GetClientRect(dialog, &client);
    frame::WindowDC screen(nullptr);
    base::MemoryDC dc(CreateCompatibleDC(screen.Get()));
    base::GdiBitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    frame::SelectObjectScope select(dc.Get(), bitmap.Get());
    SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    return GetPixel(dc.Get(), at.x, at.y);
}

// A point of the artwork above the message where the two backgrounds differ.
POINT WhereTheArtworksDiffer() {
    for (int y = 30; y < 60; ++y)
        for (int x = 20; x < 200; ++x)
            if (BuiltInPixel("AskDialogBk", {x, y}) != BuiltInPixel("AskDialogDangerBk", {x, y})) return POINT{x, y};
    return POINT{-1, -1};
}

TEST(AskExportsTest, TheDangerArtworkShowsForItsOwnQuestionOnly) {
    const TunevaultLibrary& library = Library();
    const POINT at = WhereTheArtworksDiffer();
    ASSERT_GE(at.x, 0) << "the danger artwork looks like the normal one";
    const COLORREF normal = BuiltInPixel("AskDialogBk", at);
    const COLORREF danger = BuiltInPixel("AskDialogDangerBk", at);

    for (const char* answer : {"YesButton", "CloseButton"}) {
        COLORREF during = CLR_INVALID;
        DialogScript script;
        script.When([] { return ShownDialog(kAskDialogClass) != nullptr; },
                    [&] {
                        during = PaintedPixel(ShownDialog(kAskDialogClass), at);
                        Answer(answer);
                    });
        const int expected = std::string(answer) == "YesButton" ? kYes : kCancel;
        EXPECT_EQ(expected, script.Run([&] { return library.danger("Are you sure?", 100, 100); }));
        EXPECT_EQ(danger, during) << answer;
        EXPECT_EQ(normal, PaintedPixel(TopLevel(kAskDialogClass), at)) << answer;
    }

    COLORREF askDuring = CLR_INVALID;
    DialogScript script;
    script.When([] { return ShownDialog(kAskDialogClass) != nullptr; },
                [&] {
                    askDuring = PaintedPixel(ShownDialog(kAskDialogClass), at);
                    Answer("NoButton");
                });
    EXPECT_EQ(kNo, script.Run([&] { return library.ask("Do you want to continue?", 100, 100); }));
    EXPECT_EQ(normal, askDuring);
}

}  // namespace
}  // namespace tunevaulttest
