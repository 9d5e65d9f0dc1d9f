// Digit displays: which picture each slot shows for a value and a format,
// where the slots sit, and that the digit sets come from disk only once.

#include "WindowFixture.h"

#include "app/mainwindow/FloatingLed.h"
#include "app/mainwindow/SmallFloatingLed.h"
#include "base/Handles.h"
#include "kiln/Graphics/PngReader.h"
#include "resources/SkinNames.h"
#include "tests/support/Pictures.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace mainwindowtest {
namespace {

using Indexes = std::vector<int>;

Indexes Shown(const FloatingLed& display) {
    Indexes shown;
    for (const auto& slot : display.Slots()) shown.push_back(slot->ShownIndex());
    return shown;
}

std::vector<int> Lefts(const FloatingLed& display) {
    std::vector<int> lefts;
    for (const auto& slot : display.Slots()) lefts.push_back(slot->Left());
    return lefts;
}

class DigitDisplay : public WindowTest {};

TEST_F(DigitDisplay, IntegerDigitsAreRightAlignedWithLeadingZerosAndExtraDigitsDropped) {
    FloatingLed display(Window(), "Digits");
    display.SetFormat(2, 0);
    display.SetValue(9);
    EXPECT_EQ(Shown(display), (Indexes{0, 9}));
    display.SetValue(123);
    EXPECT_EQ(Shown(display), (Indexes{2, 3}));
    display.SetValue(0);
    EXPECT_EQ(Shown(display), (Indexes{0, 0}));

    display.SetFormat(4, 0);
    display.SetValue(1199.97);
    EXPECT_EQ(Shown(display), (Indexes{1, 1, 9, 9}));
    display.SetHighlighted(true);
    display.SetValue(1199.97);
    EXPECT_EQ(Shown(display), (Indexes{11, 11, 19, 19}));
}

TEST_F(DigitDisplay, FractionDigitsFollowThePointAndTheLastNeverReachesTen) {
    MiddleFloatingLed display(Window(), "Digits");
    display.SetFormat(2, 1);
    display.SetValue(23.5);
    EXPECT_EQ(Shown(display), (Indexes{2, 3, 20, 5}));
    display.SetValue(23.97);
    EXPECT_EQ(Shown(display), (Indexes{2, 3, 20, 9}));
    display.SetValue(8.04);
    EXPECT_EQ(Shown(display), (Indexes{0, 8, 20, 0}));
    display.SetHighlighted(true);
    display.SetValue(23.5);
    EXPECT_EQ(Shown(display), (Indexes{12, 13, 21, 15}));
}

TEST_F(DigitDisplay, NegativeAndUndefinedValuesShowZeros) {
    MiddleFloatingLed display(Window(), "Digits");
    display.SetFormat(2, 1);
    display.SetHighlighted(true);
    for (double value : {-1.0, -0.04, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        display.SetValue(value);
        EXPECT_EQ(Shown(display), (Indexes{10, 10, 21, 10}));
    }
}

TEST_F(DigitDisplay, SlotsSitAtFixedPlacesThatMovesKeepAndASameSizedFormatLeavesAlone) {
    MiddleFloatingLed middle(Window(), "Middle");
    middle.SetLeft(100);
    middle.SetTop(50);
    middle.SetFormat(2, 1);
    // Digits 18 pixels wide, one pixel overlap; the point sits 4 pixels left
    // of its place and takes 10 pixels less than its width.
    EXPECT_EQ(Lefts(middle), (std::vector<int>{100, 117, 130, 138}));
    middle.SetValue(11.1);
    EXPECT_EQ(Lefts(middle), (std::vector<int>{100, 117, 130, 138}));
    const NumberLed* first = middle.Slots()[0].get();
    middle.SetFormat(4, 0);
    EXPECT_EQ(middle.Slots()[0].get(), first);
    EXPECT_EQ(Lefts(middle), (std::vector<int>{100, 117, 130, 138}));
    middle.SetLeft(110);
    middle.SetTop(60);
    EXPECT_EQ(Lefts(middle), (std::vector<int>{110, 127, 140, 148}));
    EXPECT_EQ(middle.Slots()[3]->Top(), 60);

    SmallFloatingLed small(Window(), "Small");
    small.SetLeft(200);
    small.SetTop(20);
    small.SetFormat(4, 0);
    EXPECT_EQ(Lefts(small), (std::vector<int>{200, 210, 220, 230}));
    kiln::LuImage& unit = Find<kiln::LuImage>("Small.Unit");
    EXPECT_EQ(unit.Left(), 244);
    EXPECT_FALSE(unit.Visible());
    small.SetVisible(true);
    EXPECT_TRUE(unit.Visible());
    EXPECT_TRUE(Find<kiln::LuImage>("Small.Digit3").Visible());
    small.SetLeft(150);
    EXPECT_EQ(unit.Left(), 194);
    EXPECT_EQ(Find<kiln::LuImage>("Small.Digit0").Left(), 150);
}

bool IsDigitPicture(std::string_view folder, std::string_view name) {
    const bool digitFolder = folder == skin::folder::numbers || folder == skin::folder::middleNumbers ||
                             folder == skin::folder::smallNumbers;
    const bool twoDigits = name.size() == 6 && std::isdigit(name[0]) && std::isdigit(name[1]);
    return digitFolder && (twoDigits || name.starts_with("Point"));
}

// Holds every file of the digit sets open with no sharing: while it lives,
// nobody can read them.
class LockedDigitFiles {
public:
    LockedDigitFiles() {
        for (const skin::SkinFile& file : skin::pngFiles) {
            if (!IsDigitPicture(file.folder, file.name)) continue;
            const std::string path = kiln::GetResourceFolder() + file.folder + file.name;
            m_files.emplace_back(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
            if (!m_files.back()) failed.push_back(path);
        }
    }
    std::vector<std::string> failed;
    size_t Count() const { return m_files.size(); }

private:
    std::vector<base::FileHandle> m_files;
};

TEST_F(DigitDisplay, EachDigitSetIsReadFromDiskOncePerProcess) {
    FloatingLed large(Window(), "Large");
    large.SetFormat(2, 0);
    MiddleFloatingLed middle(Window(), "Middle");
    middle.SetFormat(2, 1);
    SmallFloatingLed small(Window(), "Small");
    small.SetFormat(4, 0);
    frame::Bitmap large17, middlePoint, small4;
    kiln::LoadPng(kiln::GetResourceFolder() + "Numbers\\17.png", large17);
    kiln::LoadPng(kiln::GetResourceFolder() + "Middle_Numbers\\Point2.png", middlePoint);
    kiln::LoadPng(kiln::GetResourceFolder() + "Small_Numbers\\04.png", small4);

    LockedDigitFiles locked;
    ASSERT_TRUE(locked.failed.empty()) << locked.failed.front();
    ASSERT_EQ(locked.Count(), 20u + 22u + 10u);
    FloatingLed moreLarge(Window(), "MoreLarge");
    moreLarge.SetFormat(3, 0);
    moreLarge.SetHighlighted(true);
    moreLarge.SetValue(77);
    MiddleFloatingLed moreMiddle(Window(), "MoreMiddle");
    moreMiddle.SetFormat(3, 2);
    moreMiddle.SetHighlighted(true);
    moreMiddle.SetValue(1.5);
    SmallFloatingLed moreSmall(Window(), "MoreSmall");
    moreSmall.SetFormat(5, 0);
    moreSmall.SetValue(4);

    EXPECT_TRUE(testsupport::PicturesMatch(Find<kiln::LuImage>("MoreLarge.Digit2").Picture(), large17));
    EXPECT_TRUE(testsupport::PicturesMatch(Find<kiln::LuImage>("MoreMiddle.Digit3").Picture(), middlePoint));
    EXPECT_TRUE(testsupport::PicturesMatch(Find<kiln::LuImage>("MoreSmall.Digit4").Picture(), small4));
}

}  // namespace
}  // namespace mainwindowtest
