// A large slider bound to an item of the default board, driven with the
// pointer through the main window: knob and track, step buttons, the value
// texts and their colours, and the lit part of the bar.

#include "WindowFixture.h"

#include "app/mainwindow/AdvLargeBar.h"
#include "frame/Application.h"
#include "kiln/Graphics/PngReader.h"
#include "tests/support/Pictures.h"

#include <fstream>
#include <optional>

namespace mainwindowtest {
namespace {

constexpr uint32_t kBaseClock = 0x03010011;
constexpr uint32_t kCoreVoltage = 0x03020012;
constexpr uint32_t kVttVoltage = 0x03020032;
constexpr uint32_t kChipsetVoltage = 0x03020015;
constexpr int kBarLeft = 296, kBarTop = 94;

class LargeSlider : public WindowTest {
protected:
    // A slider for the board's item at the compact area's first place.
    std::unique_ptr<AdvLargeBar> Make(uint32_t number) {
        const int entry = EntryOf(Board().Primary(), number);
        EXPECT_GE(entry, 0) << std::hex << number;
        auto bar = std::make_unique<AdvLargeBar>(entry, Sets());
        bar->Create(Window(), kBarLeft, kBarTop);
        bar->OnChange = [this] { ++changes; };
        return bar;
    }
    // Presses the knob at its middle and keeps the button down.
    POINT GrabKnob(uint32_t number) {
        const POINT at = Centre(Find<kiln::LuImage>(Part(number, "Knob")));
        Press(at.x, at.y);
        return at;
    }

    int changes = 0;
};

TEST_F(LargeSlider, PixelsAndPositionsMapBothWaysAtTheEndsAndInTheMiddle) {
    auto bar = Make(kBaseClock);
    ASSERT_EQ(bar->Max(), 4000);
    EXPECT_EQ(bar->PixelFromPosition(0), 0);
    EXPECT_EQ(bar->PixelFromPosition(2000), 150);
    EXPECT_EQ(bar->PixelFromPosition(4000), 300);
    EXPECT_EQ(bar->PixelFromPosition(7), 1);  // 0.525 rounds up
    EXPECT_EQ(bar->PositionFromPixel(0), 0);
    EXPECT_EQ(bar->PositionFromPixel(150), 2000);
    EXPECT_EQ(bar->PositionFromPixel(300), 4000);
    EXPECT_EQ(bar->PositionFromPixel(-40), 0);
    EXPECT_EQ(bar->PositionFromPixel(340), 4000);

    bar->SetPosition(2000);
    EXPECT_EQ(bar->KnobOffset(), 150);
    EXPECT_EQ(Find<kiln::LuImage>(Part(kBaseClock, "Knob")).Left(), kBarLeft - 3 + 150);
}

TEST_F(LargeSlider, DraggingFollowsThePointerAndPinsTheKnobPastEitherEnd) {
    auto bar = Make(kBaseClock);
    const POINT at = GrabKnob(kBaseClock);
    Move(at.x + 150, at.y, true);
    EXPECT_EQ(bar->Position(), 2000);
    EXPECT_EQ(bar->KnobOffset(), 150);
    Move(at.x + 1000, at.y, true);
    EXPECT_EQ(bar->KnobOffset(), 300);
    EXPECT_EQ(bar->Position(), 4000);
    Move(at.x - 1000, at.y, true);
    EXPECT_EQ(bar->KnobOffset(), 0);
    EXPECT_EQ(bar->Position(), 0);
    Release(at.x - 1000, at.y);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(changes, 4);  // three moves and the release
}

// Alt+Tab or a dialog takes the mouse capture, or the release goes to
// another window: the drag ends where the knob stands, and plain moves over
// it afterwards do not move it.
TEST_F(LargeSlider, ADragEndsWhereItStandsWhenTheCaptureOrTheButtonIsLost) {
    auto bar = Make(kBaseClock);
    POINT at = GrabKnob(kBaseClock);
    Move(at.x + 150, at.y, true);
    ReleaseCapture();
    Move(at.x + 152, at.y);
    EXPECT_EQ(bar->KnobOffset(), 150);
    EXPECT_EQ(bar->Position(), 2000);

    at = GrabKnob(kBaseClock);
    Move(at.x + 20, at.y, true);
    Move(at.x + 22, at.y);
    EXPECT_EQ(bar->KnobOffset(), 170);
}

TEST_F(LargeSlider, ReleaseSnapsTheKnobToTheStepAndNotifiesEvenWithoutAChange) {
    auto bar = Make(kVttVoltage);  // 50 steps of 6 pixels; at 10
    POINT at = GrabKnob(kVttVoltage);
    Move(at.x + 4, at.y, true);
    EXPECT_EQ(bar->Position(), 11);
    EXPECT_EQ(bar->KnobOffset(), 64);
    Release(at.x + 4, at.y);
    EXPECT_EQ(bar->KnobOffset(), 66);
    EXPECT_EQ(bar->Position(), 11);

    changes = 0;
    at = GrabKnob(kVttVoltage);
    Release(at.x, at.y);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bar->Position(), 11);
}

TEST_F(LargeSlider, AClickOnTheBarMovesOneStepTowardItHoweverFar) {
    auto bar = Make(kBaseClock);
    bar->SetPosition(1000);
    Press(kBarLeft + 290, kBarTop + 6);
    Release(kBarLeft + 290, kBarTop + 6);
    EXPECT_EQ(bar->Position(), 1001);
    Press(kBarLeft + 2, kBarTop + 6, WM_RBUTTONDOWN);
    Release(kBarLeft + 2, kBarTop + 6, WM_RBUTTONUP);
    EXPECT_EQ(bar->Position(), 1000);
}

TEST_F(LargeSlider, StepButtonsStepAndAtTheEndStillNotify) {
    auto bar = Make(kVttVoltage);
    Click(Find<kiln::AlphaButton>(Part(kVttVoltage, "Increase")));
    EXPECT_EQ(bar->Position(), 11);
    Click(Find<kiln::AlphaButton>(Part(kVttVoltage, "Decrease")));
    Click(Find<kiln::AlphaButton>(Part(kVttVoltage, "Decrease")));
    EXPECT_EQ(bar->Position(), 9);

    bar->SetPosition(bar->Max());
    changes = 0;
    Click(Find<kiln::AlphaButton>(Part(kVttVoltage, "Increase")));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bar->Position(), bar->Max());
}

TEST_F(LargeSlider, AnItemWithOneStepKeepsTheKnobAtTheStart) {
    LoadBoard(TestBoard("compact-page.json"));
    auto bar = Make(0x03020015);
    EXPECT_EQ(bar->Max(), 0);
    EXPECT_EQ(bar->PixelFromPosition(0), 0);
    Click(Find<kiln::AlphaButton>(Part(0x03020015, "Increase")));
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->KnobOffset(), 0);
}

TEST_F(LargeSlider, ChosenValueIsInTheUnitColourUntilItDiffersAndRedAboveTheLimit) {
    std::optional<JournalScope> journal(std::in_place);
    auto bar = Make(kCoreVoltage);  // current 80 (1.200 V), limit 100
    EXPECT_EQ(journal->Calls(12).size(), 1u);  // the limit, once, for the value shown
    journal.reset();
    frame::Label& chosen = Find<frame::Label>(Part(kCoreVoltage, "Chosen"));
    frame::Label& current = Find<frame::Label>(Part(kCoreVoltage, "Current"));
    EXPECT_EQ(chosen.Caption(), "1.200");
    EXPECT_EQ(current.Caption(), "1.200");
    EXPECT_EQ(chosen.Font().GetColor(), AdvScrollBar::kValueColor);
    bar->StepUp();
    EXPECT_EQ(chosen.Caption(), "1.205");
    EXPECT_EQ(chosen.Font().GetColor(), RGB(255, 216, 25));
    bar->StepDown();
    EXPECT_EQ(chosen.Font().GetColor(), AdvScrollBar::kValueColor);
    bar->SetPosition(100);
    EXPECT_EQ(chosen.Font().GetColor(), RGB(255, 216, 25));
    bar->SetPosition(101);
    EXPECT_EQ(chosen.Font().GetColor(), RGB(255, 0, 0));

    // The hardware changed behind the slider: refresh takes it as both values.
    SimulatedBoard::Poke(kCoreVoltage, 0, 101);
    bar->RefreshFromItem();
    EXPECT_EQ(current.Caption(), "1.305");
    EXPECT_EQ(chosen.Font().GetColor(), AdvScrollBar::kValueColor);
    bar->LoadDefault();
    EXPECT_EQ(bar->Position(), 80);
    EXPECT_EQ(current.Caption(), "1.305");
}

TEST_F(LargeSlider, RefreshReadsIndexZeroWhenTheHardwareCannotBeRead) {
    SimulatedBoard::Poke(kVttVoltage, 0, 30);
    auto bar = Make(kVttVoltage);
    EXPECT_EQ(bar->Position(), 30);
    SimulatedBoard::SetFault(kVttVoltage, kFirmFaultRead);
    bar->RefreshFromItem();
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(Find<frame::Label>(Part(kVttVoltage, "Current")).Caption(), "1.00");
}

TEST_F(LargeSlider, CaptionCarriesTheItemNameAndTheUnitFollowsTheKind) {
    struct Case {
        uint32_t number;
        const char* caption;
        const char* unit;
    } cases[] = {
        {kBaseClock, "CPU Base Clock :", "(MHz)"},
        {kCoreVoltage, "CPU Core Voltage :", "(V)"},
        {0x030C0013, "CPU Ratio :", "X"},
        {0x03080042, "Load-Line Calibration :", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        auto bar = Make(c.number);
        EXPECT_EQ(Find<kiln::LuLabel>(Part(c.number, "Caption")).Caption(), c.caption);
        const frame::Label& unit = Find<frame::Label>(Part(c.number, "Unit"));
        const frame::Label& chosen = Find<frame::Label>(Part(c.number, "Chosen"));
        EXPECT_EQ(unit.Caption(), c.unit);
        // Chosen value and unit are packed against the bar's left end.
        EXPECT_EQ(unit.Left() + unit.Width(), kBarLeft - 26);
        EXPECT_EQ(chosen.Left() + chosen.Width(), unit.Left() - 4);
    }
}

// The right-aligned box would cut a long name at its left: the name keeps
// its first letters and ends in dots, and the whole of it is the hint and
// what a reader hears.
TEST_F(LargeSlider, ACaptionTooLongForItsBoxEndsInDotsAndTellsTheWholeName) {
    auto bar = Make(kChipsetVoltage);
    kiln::LuLabel& caption = Find<kiln::LuLabel>(Part(kChipsetVoltage, "Caption"));
    const frame::HintWindow& hints = frame::Application::Instance().Hints();
    const RECT box = caption.BoundsRect();
    caption.SetBounds(box.left + 40, box.top, 90, box.bottom - box.top);
    EXPECT_TRUE(caption.ShownCaption().starts_with("Chipset")) << caption.ShownCaption();
    EXPECT_TRUE(caption.ShownCaption().ends_with("...")) << caption.ShownCaption();
    EXPECT_EQ(caption.Hint(), "Chipset Core Voltage :");
    EXPECT_TRUE(hints.IsRegistered(&caption));
    EXPECT_EQ(bar->AccessibleName(), "Chipset Core Voltage");

    caption.SetBounds(box.left - 100, box.top, 230, box.bottom - box.top);
    EXPECT_EQ(caption.ShownCaption(), "Chipset Core Voltage :");
    EXPECT_FALSE(hints.IsRegistered(&caption)) << "a caption shown whole needs no hint";
    caption.Font().SetHeight(-40);
    EXPECT_TRUE(caption.ShownCaption().ends_with("...")) << "a larger font cuts it again";
    EXPECT_TRUE(hints.IsRegistered(&caption));
}

TEST_F(LargeSlider, TheLightPictureCoversExactlyTheKnobOffsetAndTwoColumns) {
    auto bar = Make(kBaseClock);
    frame::Bitmap dark, light;
    kiln::LoadPng(kiln::GetResourceFolder() + "color_bar_dark01.png", dark);
    kiln::LoadPng(kiln::GetResourceFolder() + "color_bar_light01.png", light);
    frame::Bitmap& shown = bar->BarImage().Picture();
    for (int position : {0, 2000, 3990}) {
        bar->SetPosition(position);
        const int lit = bar->KnobOffset() + 2;
        SCOPED_TRACE(lit);
        const int y = shown.Height() / 2;
        ASSERT_NE(PixelOf(light, lit - 1, y), PixelOf(dark, lit - 1, y));
        ASSERT_NE(PixelOf(light, lit, y), PixelOf(dark, lit, y));
        ASSERT_TRUE(testsupport::RegionMatches(shown, 0, y, light, 0, y, lit, 1));
        ASSERT_TRUE(testsupport::RegionMatches(shown, lit, y, dark, lit, y, shown.Width() - lit, 1));
    }
}

// The dark picture is decoded once, but a skin file changed while the
// program runs shows at the next step.
TEST_F(LargeSlider, AChangedDarkPictureShowsAtTheNextStep) {
    auto bar = Make(kBaseClock);
    const std::string darkPath = kiln::GetResourceFolder() + "color_bar_dark01.png";
    const std::string lightPath = kiln::GetResourceFolder() + "color_bar_light01.png";
    const std::string saved = darkPath + ".saved";
    ASSERT_TRUE(CopyFileA(darkPath.c_str(), saved.c_str(), FALSE));
    bar->SetPosition(100);
    {
        std::ifstream light(lightPath, std::ios::binary);
        std::ofstream(darkPath, std::ios::binary | std::ios::trunc) << light.rdbuf();
    }
    bar->SetPosition(101);
    frame::Bitmap light;
    kiln::LoadPng(lightPath, light);
    const frame::Bitmap& shown = bar->BarImage().Picture();
    const int y = shown.Height() / 2;
    const bool replaced = testsupport::RegionMatches(shown, 0, y, light, 0, y, shown.Width(), 1);
    MoveFileExA(saved.c_str(), darkPath.c_str(), MOVEFILE_REPLACE_EXISTING);
    EXPECT_TRUE(replaced) << "the new file's picture is under the fill";
}

TEST_F(LargeSlider, KnobLightsUnderThePointerAndStaysLitWhileDragged) {
    auto bar = Make(kBaseClock);
    kiln::LuImage& knob = Find<kiln::LuImage>(Part(kBaseClock, "Knob"));
    frame::Bitmap normal, hover;
    kiln::LoadPng(kiln::GetResourceFolder() + "dot_n.png", normal);
    kiln::LoadPng(kiln::GetResourceFolder() + "dot_o.png", hover);
    const int x = knob.Width() / 2, y = knob.Height() / 2;
    ASSERT_NE(PixelOf(normal, x, y), PixelOf(hover, x, y));

    const POINT at = Centre(knob);
    Move(at.x, at.y);
    EXPECT_EQ(PixelOf(knob.Picture(), x, y), PixelOf(hover, x, y));
    EXPECT_EQ(Window().HoverTarget(), &knob);
    Press(at.x, at.y);
    Move(at.x, at.y + 100, true);
    EXPECT_EQ(PixelOf(knob.Picture(), x, y), PixelOf(hover, x, y));
    Release(at.x, at.y + 100);
    Move(at.x, at.y + 100);
    EXPECT_EQ(PixelOf(knob.Picture(), x, y), PixelOf(normal, x, y));
    EXPECT_EQ(Window().HoverTarget(), nullptr);
}

}  // namespace
}  // namespace mainwindowtest
