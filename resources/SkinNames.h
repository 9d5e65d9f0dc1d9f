#pragma once
// Every picture file the windows load from "Resource\" beside the program,
// with the size the windows' geometry is laid out for. The skin generator
// draws exactly these files at exactly these sizes, and the artwork test
// checks the installed files against this list; window code takes its file
// names from here so that a renamed picture cannot be missed in one place.
//
// Folders are given as they are appended to the resource folder. Windows
// file names are case-insensitive, so the core numerals ("numbers\") and the
// large digits ("Numbers\") share one folder; it is spelt "Numbers\" here and
// on disk so the layout is also right on a case-sensitive file system.

#include <cstddef>
#include <string_view>

namespace skin {

// Images of one control in the order the skinned controls take them:
// normal, pressed, hover, disabled. An empty name means "no image".
struct StateImages {
    const char* normal;
    const char* pressed;
    const char* hover;
    const char* disabled;
};

struct SkinFile {
    const char* folder; // "" or a sub-folder ending in '\'
    const char* name;
    int width;
    int height;
};

namespace folder {
inline constexpr const char* root = "";
inline constexpr const char* numbers = "Numbers\\";
inline constexpr const char* coreNumerals = "Numbers\\";
inline constexpr const char* middleNumbers = "Middle_Numbers\\";
inline constexpr const char* smallNumbers = "Small_Numbers\\";
} // namespace folder

// Main window command buttons and check box.
inline constexpr StateImages closeButton{"colse_n.png", "colse_d.png", "colse_o.png", ""};
inline constexpr StateImages minimizeButton{"small_n.png", "small_d.png", "small_o.png", ""};
inline constexpr StateImages commandButton{"button01_n.png", "button01_d.png", "button01_o.png", "button01_un.png"};
inline constexpr StateImages moreSettingUnchecked{"more_set_down_n.png", "more_set_down_d.png", "more_set_down_o.png", ""};
inline constexpr StateImages moreSettingChecked{"more_set_up_n.png", "more_set_up_d.png", "more_set_up_o.png", ""};

// Page tabs: only the normal image of each check state exists.
inline constexpr const char* advanceTabUnchecked = "tab01_down.png";
inline constexpr const char* advanceTabChecked = "tab01_up.png";
inline constexpr const char* ratioTabUnchecked = "tab02_down.png";
inline constexpr const char* ratioTabChecked = "tab02_up.png";
inline constexpr const char* separatorLine = "line01.png";

// Sliders.
inline constexpr const char* largeBarDark = "color_bar_dark01.png";
inline constexpr const char* largeBarLight = "color_bar_light01.png";
inline constexpr const char* largeKnobNormal = "dot_n.png";
inline constexpr const char* largeKnobHover = "dot_o.png";
inline constexpr StateImages largeDecrease{"big_left_n.png", "big_left_d.png", "big_left_o.png", ""};
inline constexpr StateImages largeIncrease{"big_right_n.png", "big_right_d.png", "big_right_o.png", ""};
inline constexpr const char* smallSlider = "small_slider01.png";
inline constexpr const char* smallSliderType2 = "small_slider02.png";
inline constexpr const char* smallKnobNormal = "small_dot_n.png";
inline constexpr const char* smallKnobHover = "small_dot_o.png";
inline constexpr StateImages smallDecrease{"left_n.png", "left_d.png", "left_o.png", ""};
inline constexpr StateImages smallIncrease{"right_n.png", "right_d.png", "right_o.png", ""};
// Row of pixels in the small slider images that the fill line is drawn on.
inline constexpr int smallSliderFillRow = 9;

// Option group icons.
inline constexpr const char* cpuChipIcon = "cpu_chipset_icon.png";
inline constexpr const char* dramIcon = "dram_icon.png";
inline constexpr const char* expertIcon = "misc_icon.png";

// Profile selector.
inline constexpr const char* comboBodyNormal = "combo_box_n.png";
inline constexpr const char* comboBodyOpen = "combo_box_o.png";
inline constexpr StateImages comboDropButton{"combo_button_n.png", "combo_button_d.png", "combo_button_o.png", ""};

// Ratio bars (CPU Ratio page).
inline constexpr const char* ratioKnob = "dot_d.png";
inline constexpr const char* ratioBarBackground = "bar_bg01.png";
inline constexpr const char* ratioFillBottom = "light_down.png";
inline constexpr const char* ratioFillMiddle = "light_medium.png";
inline constexpr const char* ratioFillTop = "light_top.png";
inline constexpr const char* ratioHoverFillBottom = "yellow_down.png";
inline constexpr const char* ratioHoverFillMiddle = "yellow_medium.png";
inline constexpr const char* ratioHoverFillTop = "yellow_top.png";
inline constexpr const char* coreNumeral[4] = {"I.png", "II.png", "III.png", "IV.png"};
inline constexpr const char* smallNumbersUnit = "mhz.png";
inline constexpr const char* pointNormal = "Point1.png";
inline constexpr const char* pointHighlighted = "Point2.png";

// Library dialogs.
inline constexpr StateImages dialogButton{"small_button01_n.png", "small_button01_d.png", "small_button01_o.png", ""};
inline constexpr const char* profileNameFrame = "type_name.png";
inline constexpr const char* profileListFrame = "names.png";
inline constexpr const char* profileDialogShadow = "save_profile_shadow01.png";
inline constexpr const char* askDialogShadow = "shadow_01.png";

// Main window shadows for the compact, middle and large layouts.
inline constexpr const char* smallShadow = "small_shadow002.png";
inline constexpr const char* middleShadow = "big_shadow003.png";
inline constexpr const char* largeShadow = "big_shadow002.png";

// Notification-area icon: 16, 32 and 48 pixel images in one file.
inline constexpr const char* trayIcon = "Veltrune02.ico";
inline constexpr int trayIconSizes[3] = {16, 32, 48};

// Sizes shared by several files.
inline constexpr int largeDigitWidth = 24, largeDigitHeight = 32;
inline constexpr int middleDigitWidth = 18, middleDigitHeight = 26;
inline constexpr int smallDigitWidth = 14, smallDigitHeight = 16;

// Every PNG file, grouped by the window that shows it.
inline constexpr SkinFile pngFiles[] = {
    // Main window: title buttons, command buttons, check box, tabs, line.
    {"", "colse_n.png", 26, 22}, {"", "colse_d.png", 26, 22}, {"", "colse_o.png", 26, 22},
    {"", "small_n.png", 26, 22}, {"", "small_d.png", 26, 22}, {"", "small_o.png", 26, 22},
    {"", "button01_n.png", 120, 26}, {"", "button01_d.png", 120, 26},
    {"", "button01_o.png", 120, 26}, {"", "button01_un.png", 120, 26},
    {"", "more_set_down_n.png", 110, 20}, {"", "more_set_down_d.png", 110, 20},
    {"", "more_set_down_o.png", 110, 20}, {"", "more_set_up_n.png", 110, 20},
    {"", "more_set_up_d.png", 110, 20}, {"", "more_set_up_o.png", 110, 20},
    {"", "tab01_down.png", 145, 26}, {"", "tab01_up.png", 145, 26},
    {"", "tab02_down.png", 145, 26}, {"", "tab02_up.png", 145, 26},
    {"", "line01.png", 580, 3},
    // Large and small sliders.
    {"", "color_bar_dark01.png", 310, 13}, {"", "color_bar_light01.png", 310, 13},
    {"", "dot_n.png", 16, 24}, {"", "dot_o.png", 16, 24},
    {"", "big_left_n.png", 18, 11}, {"", "big_left_d.png", 18, 11}, {"", "big_left_o.png", 18, 11},
    {"", "big_right_n.png", 18, 11}, {"", "big_right_d.png", 18, 11}, {"", "big_right_o.png", 18, 11},
    {"", "small_slider01.png", 100, 18}, {"", "small_slider02.png", 200, 18},
    {"", "small_dot_n.png", 16, 14}, {"", "small_dot_o.png", 16, 14},
    {"", "left_n.png", 14, 18}, {"", "left_d.png", 14, 18}, {"", "left_o.png", 14, 18},
    {"", "right_n.png", 14, 18}, {"", "right_d.png", 14, 18}, {"", "right_o.png", 14, 18},
    // Option group icons.
    {"", "cpu_chipset_icon.png", 24, 22}, {"", "dram_icon.png", 24, 22}, {"", "misc_icon.png", 24, 22},
    // Profile selector.
    {"", "combo_box_n.png", 194, 22}, {"", "combo_box_o.png", 194, 22},
    {"", "combo_button_n.png", 20, 20}, {"", "combo_button_d.png", 20, 20}, {"", "combo_button_o.png", 20, 20},
    // Ratio bars.
    {"", "dot_d.png", 62, 20}, {"", "bar_bg01.png", 66, 160},
    {"", "light_down.png", 60, 6}, {"", "light_medium.png", 60, 4}, {"", "light_top.png", 60, 5},
    {"", "yellow_down.png", 60, 6}, {"", "yellow_medium.png", 60, 4}, {"", "yellow_top.png", 60, 5},
    {"Numbers\\", "I.png", 8, 16}, {"Numbers\\", "II.png", 14, 16},
    {"Numbers\\", "III.png", 20, 16}, {"Numbers\\", "IV.png", 20, 16},
    // Large digits: 00-09 normal, 10-19 highlighted.
    {"Numbers\\", "00.png", 24, 32}, {"Numbers\\", "01.png", 24, 32}, {"Numbers\\", "02.png", 24, 32},
    {"Numbers\\", "03.png", 24, 32}, {"Numbers\\", "04.png", 24, 32}, {"Numbers\\", "05.png", 24, 32},
    {"Numbers\\", "06.png", 24, 32}, {"Numbers\\", "07.png", 24, 32}, {"Numbers\\", "08.png", 24, 32},
    {"Numbers\\", "09.png", 24, 32}, {"Numbers\\", "10.png", 24, 32}, {"Numbers\\", "11.png", 24, 32},
    {"Numbers\\", "12.png", 24, 32}, {"Numbers\\", "13.png", 24, 32}, {"Numbers\\", "14.png", 24, 32},
    {"Numbers\\", "15.png", 24, 32}, {"Numbers\\", "16.png", 24, 32}, {"Numbers\\", "17.png", 24, 32},
    {"Numbers\\", "18.png", 24, 32}, {"Numbers\\", "19.png", 24, 32},
    // Middle digits and the decimal points.
    {"Middle_Numbers\\", "00.png", 18, 26}, {"Middle_Numbers\\", "01.png", 18, 26},
    {"Middle_Numbers\\", "02.png", 18, 26}, {"Middle_Numbers\\", "03.png", 18, 26},
    {"Middle_Numbers\\", "04.png", 18, 26}, {"Middle_Numbers\\", "05.png", 18, 26},
    {"Middle_Numbers\\", "06.png", 18, 26}, {"Middle_Numbers\\", "07.png", 18, 26},
    {"Middle_Numbers\\", "08.png", 18, 26}, {"Middle_Numbers\\", "09.png", 18, 26},
    {"Middle_Numbers\\", "10.png", 18, 26}, {"Middle_Numbers\\", "11.png", 18, 26},
    {"Middle_Numbers\\", "12.png", 18, 26}, {"Middle_Numbers\\", "13.png", 18, 26},
    {"Middle_Numbers\\", "14.png", 18, 26}, {"Middle_Numbers\\", "15.png", 18, 26},
    {"Middle_Numbers\\", "16.png", 18, 26}, {"Middle_Numbers\\", "17.png", 18, 26},
    {"Middle_Numbers\\", "18.png", 18, 26}, {"Middle_Numbers\\", "19.png", 18, 26},
    {"Middle_Numbers\\", "Point1.png", 18, 26}, {"Middle_Numbers\\", "Point2.png", 18, 26},
    // Small digits and their unit.
    {"Small_Numbers\\", "00.png", 14, 16}, {"Small_Numbers\\", "01.png", 14, 16},
    {"Small_Numbers\\", "02.png", 14, 16}, {"Small_Numbers\\", "03.png", 14, 16},
    {"Small_Numbers\\", "04.png", 14, 16}, {"Small_Numbers\\", "05.png", 14, 16},
    {"Small_Numbers\\", "06.png", 14, 16}, {"Small_Numbers\\", "07.png", 14, 16},
    {"Small_Numbers\\", "08.png", 14, 16}, {"Small_Numbers\\", "09.png", 14, 16},
    {"Small_Numbers\\", "mhz.png", 30, 16},
    // Library dialogs.
    {"", "small_button01_n.png", 75, 24}, {"", "small_button01_d.png", 75, 24},
    {"", "small_button01_o.png", 75, 24},
    {"", "type_name.png", 184, 24}, {"", "names.png", 184, 91},
    {"", "save_profile_shadow01.png", 451, 262}, {"", "shadow_01.png", 281, 203},
    // Main window shadows.
    {"", "small_shadow002.png", 661, 285}, {"", "big_shadow003.png", 661, 521},
    {"", "big_shadow002.png", 661, 671},
};

inline constexpr std::size_t pngFileCount = sizeof(pngFiles) / sizeof(pngFiles[0]);

// The size listed for a file, or nullptr when the file is not part of the skin.
constexpr const SkinFile* Find(std::string_view folderName, std::string_view fileName) {
    for (const SkinFile& f : pngFiles)
        if (folderName == f.folder && fileName == f.name)
            return &f;
    return nullptr;
}

} // namespace skin
