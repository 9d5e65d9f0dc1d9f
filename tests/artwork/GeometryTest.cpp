// The listed sizes against the places the windows put each picture: a
// picture that is too big spills over its neighbour or out of its window.

#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "resources/EmbeddedBitmaps.h"
#include "resources/SkinNames.h"

namespace {

const skin::SkinFile& Listed(const char* folder, const char* name) {
    const skin::SkinFile* f = skin::Find(folder, name);
    if (!f)
        throw std::runtime_error(std::string(folder) + name + " is not listed");
    return *f;
}
const skin::SkinFile& Listed(const char* name) { return Listed("", name); }

// Last pixel column of the main window's shape.
constexpr int kShapeRight = 646;

TEST(SkinGeometry, TitleAndCommandButtonsFitBetweenTheirNeighbours) {
    EXPECT_LE(569 + Listed(skin::minimizeButton.normal).width, 595) << "minimize runs into close";
    EXPECT_LE(595 + Listed(skin::closeButton.normal).width - 1, kShapeRight);
    const int button = Listed(skin::commandButton.normal).width;
    EXPECT_LE(374 + button, 508) << "Apply runs into Undo";
    EXPECT_LE(508 + button - 1, kShapeRight);
    EXPECT_LE(305 + button - 1, 569) << "Save Profile runs into the title buttons' column";
    // The check box's text bounds are (4, 0, 86, 20).
    EXPECT_GE(Listed(skin::moreSettingUnchecked.normal).width, 4 + 86);
    EXPECT_GE(Listed(skin::moreSettingUnchecked.normal).height, 20);
    EXPECT_LE(27 + Listed(skin::advanceTabUnchecked).width, 176) << "the tabs overlap";
}

TEST(SkinGeometry, LargeBarsFitTheirTrackAndStepButtons) {
    const auto& dark = Listed(skin::largeBarDark);
    const auto& light = Listed(skin::largeBarLight);
    EXPECT_EQ(dark.width, light.width);
    EXPECT_EQ(dark.height, light.height);
    // Track 300 from bar left - 3; the knob must reach both ends of the bar.
    EXPECT_GE(dark.width, 300 - 3 + Listed(skin::largeKnobNormal).width / 2);
    EXPECT_LE(Listed(skin::largeDecrease.normal).width, 22) << "decrease button covers the bar";
    EXPECT_LE(dark.width, 312) << "bar runs under its increase button";
    EXPECT_LE(296 + 312 + Listed(skin::largeIncrease.normal).width - 1, kShapeRight);
    EXPECT_LE(94 + 28 * 3 + Listed(skin::largeIncrease.normal).height, 207) << "last bar reaches the Apply row";
}

TEST(SkinGeometry, SmallSlidersStayInsideTheWindowWithTheirFillOnRowNine) {
    const int increase = Listed(skin::smallIncrease.normal).width;
    // Right column of the two-column variants starts at 39 + 172 + 298.
    EXPECT_LE(509 + Listed(skin::smallSlider).width - 3 + increase - 1, kShapeRight);
    // The one-column variant starts at 39 + 300.
    EXPECT_LE(339 + Listed(skin::smallSliderType2).width - 3 + increase - 1, kShapeRight);
    for (const char* slider : {skin::smallSlider, skin::smallSliderType2}) {
        EXPECT_GT(Listed(slider).height, skin::smallSliderFillRow) << slider;
        EXPECT_GT(Listed(slider).width, 25) << slider << " has no track";
    }
    // The knob sits at bar top + 2: its middle row is the fill row.
    const auto& knob = Listed(skin::smallKnobNormal);
    EXPECT_EQ(skin::smallSliderFillRow, 2 + knob.height / 2);
    // The left column's increase button stays clear of the right column's
    // caption box, which starts at 509 - 187.
    EXPECT_LE(211 + Listed(skin::smallSlider).width - 3 + increase, 509 - 187 + 1);
}

TEST(SkinGeometry, DigitSetsFitTheirDisplays) {
    for (int d = 0; d < 10; ++d) {
        char name[8];
        std::snprintf(name, sizeof name, "%02d.png", d);
        const auto& small = Listed(skin::folder::smallNumbers, name);
        EXPECT_LE(small.width, 14);
        // Four digits at spacing -4 end before the unit at x + 44.
        EXPECT_LE(4 * small.width - 3 * 4, 44);
        EXPECT_EQ(skin::largeDigitWidth, Listed(skin::folder::numbers, name).width);
        EXPECT_EQ(skin::middleDigitWidth, Listed(skin::folder::middleNumbers, name).width);
    }
    // The middle point slot reaches 4 pixels into the digit before it and the
    // next digit starts 10 pixels before its end: it must be wider than 10.
    EXPECT_GT(Listed(skin::folder::middleNumbers, skin::pointNormal).width, 10);
    // Two large digits from bar left + 10 stay under a 90-pixel bar pitch.
    EXPECT_LE(10 + 2 * skin::largeDigitWidth, 90);
}

TEST(SkinGeometry, RatioMeterHoldsItsTrackAboveRow146) {
    const auto& meter = Listed(skin::ratioBarBackground);
    const auto& bottom = Listed(skin::ratioFillBottom);
    const auto& top = Listed(skin::ratioFillTop);
    EXPECT_LE(146 + bottom.height, meter.height);
    EXPECT_GE(146 - 131 - top.height, 0);
    for (const char* fill : {skin::ratioFillBottom, skin::ratioFillMiddle, skin::ratioFillTop, skin::ratioHoverFillBottom,
                             skin::ratioHoverFillMiddle, skin::ratioHoverFillTop})
        EXPECT_LE(3 + Listed(fill).width, meter.width) << fill;
    EXPECT_LT(meter.width, 90) << "meters of neighbouring cores touch";
    // The knob stands on the fill: its bottom at offset 0 meets the top image.
    EXPECT_NEAR(122 + Listed(skin::ratioKnob).height, 146 - top.height, 2);
    // Everything of the last core stays on the CPU Ratio backdrop (29..624).
    EXPECT_LE(262 + 90 * 3 + meter.width, 29 + skin::embedded::coreBk.width);
    EXPECT_LE(334 + meter.height, 279 + skin::embedded::coreBk.height);
}

TEST(SkinGeometry, DialogFacesLieInsideTheBackgroundsTheyAreBlendedOver) {
    const auto& button = Listed(skin::dialogButton.normal);
    const int profileW = skin::embedded::profileDialogBk.width, profileH = skin::embedded::profileDialogBk.height;
    for (int y : {61, 107, 153}) {
        EXPECT_LE(309 + button.width, profileW);
        EXPECT_LE(y + button.height, profileH);
    }
    for (int x : {46, 160, 103}) {
        EXPECT_LE(x + button.width, skin::embedded::askDialogBk.width);
        EXPECT_LE(134 + button.height, skin::embedded::askDialogBk.height);
    }
    EXPECT_LE(46 + button.width, 160) << "Yes and No overlap";
    EXPECT_LE(98 + Listed(skin::profileNameFrame).width, 309) << "name frame runs into the buttons";
    EXPECT_LE(98 + Listed(skin::profileListFrame).width, 309) << "list frame runs into the buttons";
    EXPECT_LE(62 + Listed(skin::profileNameFrame).height, 98) << "name frame runs into the list frame";
    // The frames surround the edit (104, 65, 172 x 16) and the list (102, 102, 176 x 83).
    EXPECT_GE(98 + Listed(skin::profileNameFrame).width, 104 + 172);
    EXPECT_GE(62 + Listed(skin::profileNameFrame).height, 65 + 16);
    EXPECT_GE(98 + Listed(skin::profileListFrame).height, 102 + 83);
}

} // namespace
