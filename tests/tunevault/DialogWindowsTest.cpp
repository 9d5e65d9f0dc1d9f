// The dialogs' windows: shadows that follow their dialogs, the outline cut
// from the background's key colour as the screen shows it, and the shadow
// of the special showing.

#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"
#include "TunevaultLibrary.h"

#include "base/Handles.h"
#include "frame/DCScope.h"
#include "tests/support/ColourWindow.h"

#include <gtest/gtest.h>

namespace tunevaulttest {
namespace {


POINT TopLeft(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return POINT{bounds.left, bounds.top};
}

bool SamePlace(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

struct Following {
    bool shownWithDialog = false;
    POINT dialog{-1, -1};
    POINT shadow{-2, -2};
};

// Moves the showing dialog and notes where its shadow went.
void MoveAndFollow(const char* dialogClass, const char* shadowClass, Following& seen, POINT to) {
    HWND dialog = ShownDialog(dialogClass);
    HWND shadow = TopLevel(shadowClass);
    seen.shownWithDialog = IsWindowVisible(shadow) != FALSE;
    SetWindowPos(dialog, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    seen.dialog = TopLeft(dialog);
    seen.shadow = TopLeft(shadow);
}

TEST(DialogWindowsTest, ShadowsFollowTheirDialogsAndHideWithThem) {
    const TunevaultLibrary& library = Library();
    ASSERT_TRUE(library.showModal);
    Following save, ask;
    DialogScript script;
    script
        .When([] { return ShownDialog(kProfileDialogClass) != nullptr; },
              [&] {
                  MoveAndFollow(kProfileDialogClass, kProfileShadowClass, save, POINT{150, 130});
                  Click(ControlWindow(ShownDialog(kProfileDialogClass), "CancelButton"));
              });
    EXPECT_EQ(kCancel, script.Run([&] { return library.showModal(); }));
    EXPECT_TRUE(save.shownWithDialog);
    EXPECT_TRUE(SamePlace(POINT{150, 130}, save.dialog));
    EXPECT_TRUE(SamePlace(save.dialog, save.shadow));
    EXPECT_FALSE(IsWindowVisible(TopLevel(kProfileShadowClass)));

    DialogScript askScript;
    askScript
        .When([] { return ShownDialog(kAskDialogClass) != nullptr; },
              [&] {
                  MoveAndFollow(kAskDialogClass, kDialogCoverClass, ask, POINT{-20, 300});
                  Answer("NoButton");
              });
    EXPECT_EQ(kNo, askScript.Run([&] { return library.ask("Do you want to continue?", 40, 40); }));
    EXPECT_TRUE(SamePlace(POINT{-20, 300}, ask.dialog));
    EXPECT_TRUE(SamePlace(ask.dialog, ask.shadow));
    EXPECT_FALSE(IsWindowVisible(TopLevel(kDialogCoverClass)));
}

TEST(DialogWindowsTest, SaveConfirmationsStandCentredOverTheSaveDialog) {
    const TunevaultLibrary& library = Library();
    RECT save{}, question{};
    DialogScript script;
    script
        .When([] { return ShownDialog(kProfileDialogClass) != nullptr; },
              [] {
                  HWND dialog = ShownDialog(kProfileDialogClass);
                  Type(ControlWindow(dialog, "ProfileNameEdit"), "CON");
                  Click(ControlWindow(dialog, "SaveButton"));
              })
        .When([] { return ShownDialog(kAskDialogClass) != nullptr; },
              [&] {
                  GetWindowRect(ShownDialog(kProfileDialogClass), &save);
                  GetWindowRect(ShownDialog(kAskDialogClass), &question);
                  Answer("OkButton");
              })
        .When([] { return ShownDialog(kAskDialogClass) == nullptr; },
              [] { Click(ControlWindow(ShownDialog(kProfileDialogClass), "CancelButton")); });
    EXPECT_EQ(kCancel, script.Run([&] { return library.showModal(); }));
    const int saveWidth = save.right - save.left, saveHeight = save.bottom - save.top;
    const int askWidth = question.right - question.left, askHeight = question.bottom - question.top;
    EXPECT_EQ(451, saveWidth);
    EXPECT_EQ(281, askWidth);
    EXPECT_EQ(save.left + (saveWidth - askWidth) / 2, question.left);
    EXPECT_EQ(save.top + (saveHeight - askHeight) / 2, question.top);
}

COLORREF ScreenPixel(POINT at) {
    return GetPixel(frame::WindowDC(nullptr).Get(), at.x, at.y);
}

struct Outline {
    POINT cut;      // a key-coloured pixel of the background
    POINT kept;     // one inside the shape, clear of every control
    COLORREF face;  // its colour
};

// A key pixel in the top-left corner and a background pixel near `inside`.
Outline OutlineOf(const char* background, int height, POINT inside) {
    const COLORREF key = BuiltInPixel(background, POINT{0, height - 1});
    Outline outline{POINT{0, 0}, inside, BuiltInPixel(background, inside)};
    EXPECT_EQ(key, BuiltInPixel(background, outline.cut));
    EXPECT_NE(key, outline.face);
    return outline;
}

struct ReadBack {
    bool cutOfRegion = false, keptInRegion = false;
    COLORREF atCut = CLR_INVALID, atKept = CLR_INVALID;
};

// Hides the shadow (it lies over the dialog) and reads the screen once the
// dialog has been painted.
void QueueReadBack(DialogScript& script, const char* dialogClass, const char* shadowClass, const Outline& outline,
                   COLORREF below, ReadBack& seen) {
    script.When([=] { return ShownDialog(dialogClass) != nullptr; },
                [=, &seen] {
                    HWND dialog = ShownDialog(dialogClass);
                    ShowWindow(TopLevel(shadowClass), SW_HIDE);
                    base::GdiRegion region(CreateRectRgn(0, 0, 0, 0));
                    GetWindowRgn(dialog, region.Get());
                    seen.cutOfRegion = !PtInRegion(region.Get(), outline.cut.x, outline.cut.y);
                    seen.keptInRegion = PtInRegion(region.Get(), outline.kept.x, outline.kept.y) != FALSE;
                    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                });
    auto screenPoint = [dialogClass](POINT at) {
        const POINT origin = TopLeft(ShownDialog(dialogClass));
        return POINT{origin.x + at.x, origin.y + at.y};
    };
    script.When(
        [=, &seen] {
            seen.atCut = ScreenPixel(screenPoint(outline.cut));
            seen.atKept = ScreenPixel(screenPoint(outline.kept));
            return seen.atCut == below && seen.atKept == outline.face;
        },
        [] {}, 3000);
}

TEST(DialogWindowsTest, TheKeyColourOfTheBackgroundIsCutOutOfEachDialog) {
    const TunevaultLibrary& library = Library();
    const COLORREF green = RGB(0, 200, 0);
    testsupport::ColourWindow below(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, green);
    below.Show();

    const Outline save = OutlineOf("ProfileDialogBk", 262, POINT{200, 235});
    ReadBack saveSeen;
    DialogScript script;
    QueueReadBack(script, kProfileDialogClass, kProfileShadowClass, save, green, saveSeen);
    script.Then([] { Click(ControlWindow(ShownDialog(kProfileDialogClass), "CancelButton")); });
    EXPECT_EQ(kCancel, script.Run([&] { return library.showModal(); }));
    EXPECT_TRUE(saveSeen.cutOfRegion);
    EXPECT_TRUE(saveSeen.keptInRegion);
    EXPECT_EQ(green, saveSeen.atCut);
    EXPECT_EQ(save.face, saveSeen.atKept);

    const Outline ask = OutlineOf("AskDialogBk", 203, POINT{140, 180});
    ReadBack askSeen;
    DialogScript askScript;
    QueueReadBack(askScript, kAskDialogClass, kDialogCoverClass, ask, green, askSeen);
    askScript.Then([] { Answer("NoButton"); });
    EXPECT_EQ(kNo, askScript.Run([&] { return library.ask("Do you want to continue?", 300, 200); }));
    EXPECT_TRUE(askSeen.cutOfRegion);
    EXPECT_TRUE(askSeen.keptInRegion);
    EXPECT_EQ(green, askSeen.atCut);
    EXPECT_EQ(ask.face, askSeen.atKept);
}

TEST(DialogWindowsTest, TheSpecialShowingKeepsTheShadowTopmost) {
    const TunevaultLibrary& library = Library();
    ASSERT_TRUE(library.showModalSp);
    bool topmost = false, shown = false;
    DialogScript script;
    script
        .When([] { return ShownDialog(kProfileDialogClass) != nullptr; },
              [&] {
                  HWND shadow = TopLevel(kProfileShadowClass);
                  topmost = (GetWindowLongA(shadow, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                  shown = IsWindowVisible(shadow) != FALSE;
                  Click(ControlWindow(ShownDialog(kProfileDialogClass), "CancelButton"));
              });
    EXPECT_EQ(kCancel, script.Run([&] { return library.showModalSp(); }));
    EXPECT_TRUE(topmost);
    // Only a 32-bit program on 64-bit Windows goes without the shadow.
    BOOL wow64 = FALSE;
    IsWow64Process(GetCurrentProcess(), &wow64);
    EXPECT_EQ(!wow64, shown);
}

}  // namespace
}  // namespace tunevaulttest
