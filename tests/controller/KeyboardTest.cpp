// The main window by keyboard alone on the default board: the focus order,
// the slider keys, the buttons, the page tabs, the profile selector and a
// whole Apply with its question.

#include "tests/controller/InProcessProgram.h"

#include "app/Director.h"
#include "app/mainwindow/FocusMark.h"
#include "app/mainwindow/KeyboardAccess.h"
#include "base/Handles.h"
#include "frame/Application.h"
#include "frame/DCScope.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "kiln/Component/LuRadioButtonTx.h"
#include "tests/support/DialogWindows.h"
#include "tests/support/ProgramWords.h"

#include <gtest/gtest.h>

namespace controllertest {
namespace {

constexpr uint32_t kClock = 0x03010011;

// Holds Ctrl or Shift down, as the window reads them, for as long as it lives.
class HeldKey {
public:
    explicit HeldKey(int key) : m_key(key) { Set(0x80); }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;
    ~HeldKey() { Set(0); }

private:
    void Set(BYTE state) const {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[m_key] = state;
        SetKeyboardState(keys);
    }

    int m_key;
};

// The window's client area as it paints itself, at one point.
COLORREF PaintedAt(HWND window, POINT point) {
    RECT client{};
    GetClientRect(window, &client);
    const base::MemoryDC dc(CreateCompatibleDC(nullptr));
    const base::GdiBitmap pixels(CreateBitmap(client.right, client.bottom, 1, 32, nullptr));
    const frame::SelectObjectScope select(dc.Get(), pixels.Get());
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    return GetPixel(dc.Get(), point.x, point.y);
}

class DefaultBoardKeyboard : public InProcessProgram {
protected:
    static KeyboardAccess& Keys() { return *Layout().Keyboard(); }
    // The key as the system delivers it to the window; with Alt it comes as a
    // system key.
    static void Press(WPARAM key, bool alt = false) {
        const LPARAM context = alt ? (1 << 29) : 0;
        PostMessageA(Window().Handle(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1 | context);
        PostMessageA(Window().Handle(), alt ? WM_SYSKEYUP : WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u) | context);
        frame::Application::Instance().ProcessMessages();
    }
    static void PressWithControl(WPARAM key) {
        const HeldKey control(VK_CONTROL);
        Press(key);
    }
    static std::string FocusedName() { return Keys().Focused() ? Keys().Focused()->Facts().name : std::string(); }
    // Tab until the focus stands on the named control; false after a whole round.
    static bool TabTo(const std::string& name) {
        for (int tab = 0; tab < 40; ++tab) {
            if (FocusedName() == name) return true;
            Press(VK_TAB);
        }
        return false;
    }
    void SetUp() override {
        InProcessProgram::SetUp();
        Keys().Focus(nullptr);
    }
};

TEST_F(DefaultBoardKeyboard, AWholeApplyByKeyboardAlone) {
    ASSERT_TRUE(TabTo("CPU Base Clock"));
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(Writes().empty()) << "a key changes the value only";
    ASSERT_TRUE(TabTo("Apply"));
    EXPECT_EQ(AnsweringWithKeys([] { Press(VK_RETURN); }, {VK_RETURN}),
              std::vector<std::string>{testsupport::kUnstable});
    EXPECT_EQ(Writes(), std::vector<std::string>{WriteCall(kClock, 2, 2)});
    EXPECT_FALSE(ApplyEnabled());
    Press(VK_TAB);
    EXPECT_EQ(FocusedName(), "Undo") << "Tab goes on from where Apply stands";
}

TEST_F(DefaultBoardKeyboard, EscOnTheQuestionAnswersNo) {
    ASSERT_TRUE(TabTo("CPU Base Clock"));
    Press(VK_RIGHT);
    ASSERT_TRUE(TabTo("Apply"));
    EXPECT_EQ(AnsweringWithKeys([] { Press(VK_SPACE); }, {VK_ESCAPE}).size(), 1u);
    EXPECT_TRUE(Writes().empty());
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(DefaultBoardKeyboard, TabGoesInReadingOrderSkipsWhatCannotBeUsedAndWraps) {
    std::vector<std::string> round;
    for (int tab = 0; tab < 11; ++tab) {
        Press(VK_TAB);
        round.push_back(FocusedName());
    }
    const std::vector<std::string> expected{"Minimize", "Close", "Profiles", "Save Profile", "CPU Base Clock",
                                            "CPU Core Voltage", "CPU VTT Voltage", "Chipset Core Voltage",
                                            "More Setting", "Undo", "Minimize"};
    EXPECT_EQ(round, expected) << "Apply is off until a value changes";
    Press(VK_TAB);
    {
        const HeldKey shift(VK_SHIFT);
        Press(VK_TAB);
        EXPECT_EQ(FocusedName(), "Minimize");
        Press(VK_TAB);
        EXPECT_EQ(FocusedName(), "Undo");
    }
}

TEST_F(DefaultBoardKeyboard, SliderKeysStepLikeTheStepButtons) {
    ASSERT_TRUE(TabTo("CPU Base Clock"));
    AdvBar& clock = BarOf(kClock);
    Press(VK_UP);
    EXPECT_EQ(clock.Position(), 1);
    Press(VK_PRIOR);
    EXPECT_EQ(clock.Position(), 11);
    Press(VK_NEXT);
    Press(VK_LEFT);
    Press(VK_DOWN);
    EXPECT_EQ(clock.Position(), 0) << "no step below the first";
    Press(VK_END);
    EXPECT_EQ(clock.Position(), clock.Max());
    Press(VK_HOME);
    EXPECT_EQ(clock.Position(), 0);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(Writes().empty());
}

TEST_F(DefaultBoardKeyboard, TheMarkOutlinesTheFocusAfterAKeyUntilTheNextPress) {
    ASSERT_TRUE(TabTo("CPU Base Clock"));
    const FocusMark& mark = Find<FocusMark>("FocusMark");
    ASSERT_TRUE(mark.Visible());
    RECT outline = mark.BoundsRect();
    const RECT clock = BarOf(kClock).Extent();
    InflateRect(&outline, -FocusMark::kMargin, -FocusMark::kMargin);
    EXPECT_TRUE(EqualRect(&outline, &clock));
    EXPECT_EQ(PaintedAt(Window().Handle(), POINT{mark.Left(), mark.Top() + mark.Height() / 2}), FocusMark::kColor)
        << "painted over the window's face";

    // Posted, as the mouse's input comes: the press moves the focus silently.
    testsupport::Click(Layout().UndoButton()->Handle());
    frame::Application::Instance().ProcessMessages();
    EXPECT_FALSE(mark.Visible());
    EXPECT_EQ(FocusedName(), "Undo");
    Press(VK_TAB);
    EXPECT_TRUE(mark.Visible());
    EXPECT_EQ(FocusedName(), "Minimize");
}

TEST_F(DefaultBoardKeyboard, SpaceTogglesMoreSettingAndCtrlTabSwitchesPages) {
    ASSERT_TRUE(TabTo("More Setting"));
    Press(VK_RETURN);
    EXPECT_FALSE(Layout().IsExpanded()) << "Enter does not toggle a check box";
    PostMessageA(Window().Handle(), WM_KEYDOWN, VK_SPACE, 0x40000001);
    frame::Application::Instance().ProcessMessages();
    EXPECT_FALSE(Layout().IsExpanded()) << "a held Space presses once, when it goes down";
    Press(VK_SPACE);
    ASSERT_TRUE(Layout().IsExpanded());
    kiln::LuRadioButtonTx& ratioTab = *Layout().RatioTab();
    const bool ratioBefore = ratioTab.GetChecked();
    PressWithControl(VK_TAB);
    EXPECT_NE(ratioTab.GetChecked(), ratioBefore);
    if (!ratioTab.GetChecked()) PressWithControl(VK_TAB);
    ASSERT_TRUE(ratioTab.GetChecked());
    EXPECT_EQ(FocusedName(), "CPU Ratio");
    ASSERT_TRUE(TabTo("Core 1 ratio")) << "the ratio bars are on the page now";
    ASSERT_TRUE(TabTo("Advance Mode"));
    Press(VK_SPACE);
    EXPECT_TRUE(Layout().AdvanceTab()->GetChecked());
    EXPECT_FALSE(TabTo("Core 1 ratio")) << "hidden controls take no focus";
    ASSERT_TRUE(TabTo("More Setting"));
    Press(VK_SPACE);
    EXPECT_FALSE(Layout().IsExpanded());
}

TEST_F(DefaultBoardKeyboard, TheSelectorOpensMovesPicksAndClosesByKeys) {
    AdvComboBox& selector = *Layout().ProfileSelector();
    ASSERT_TRUE(TabTo("Profiles"));
    Press(VK_DOWN);
    EXPECT_FALSE(selector.IsOpen()) << "a closed selector takes no arrows";
    Press(VK_DOWN, true);
    ASSERT_TRUE(selector.IsOpen());
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_UP);
    Press(VK_RETURN);
    EXPECT_FALSE(selector.IsOpen());
    EXPECT_EQ(selector.Text(), selector.Items().Item(0));
    EXPECT_TRUE(ApplyEnabled()) << "the chosen profile is in the bars";

    Press(VK_F4);
    ASSERT_TRUE(selector.IsOpen());
    Press(VK_DOWN);
    Press(VK_ESCAPE);
    EXPECT_FALSE(selector.IsOpen());
    EXPECT_EQ(selector.Text(), selector.Items().Item(0)) << "Esc picks nothing";
}

TEST_F(DefaultBoardKeyboard, EscAndAltF4HideTheWindowAndTheProgramGoesOn) {
    Director::Instance().ScreenHeight = [] { return 768; };
    Director::Instance().ShowMainWindow();
    ASSERT_TRUE(IsWindowVisible(Window().Handle()));
    Press(VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(Window().Handle()));
    Director::Instance().ShowMainWindow();
    Press(VK_F4, true);
    WaitFor([] { return !IsWindowVisible(Window().Handle()); }, 2000);
    EXPECT_FALSE(IsWindowVisible(Window().Handle()));
    EXPECT_FALSE(frame::Application::Instance().Terminated());
}

}  // namespace
}  // namespace controllertest
