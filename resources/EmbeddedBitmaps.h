#pragma once
// Names and sizes of the bitmaps built into the programs as BITMAP resources
// (24-bit, bottom-left pixel = the picture's key colour where it has one).
// Veltrune.exe links the object library veltrune_embedded_bitmaps, Tunevault.dll
// links tunevault_embedded_bitmaps; load them with LoadImageA(module, name,
// IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION).

namespace skin::embedded {

struct Bitmap {
    const char* name;
    int width;
    int height;
};

// Colour outside the main window's shape (and outside the dialogs' shapes).
inline constexpr unsigned char shapeKey[3] = {255, 0, 255};
// Colour outside the dialogs' close buttons.
inline constexpr unsigned char closeButtonKey[3] = {31, 31, 31};

// Veltrune.exe: main window.
inline constexpr Bitmap smallBk{"SmallBk", 661, 671};   // visible x 7-646, y 10-263
inline constexpr Bitmap middleBk{"MiddleBk", 661, 671}; // visible x 7-646, y 10-499
inline constexpr Bitmap largeBk{"LargeBk", 661, 671};   // visible x 7-646, y 10-656
inline constexpr Bitmap coreBk{"CoreBk", 596, 316};     // opaque, placed at (29, 279)
inline constexpr Bitmap comboBoxBody{"ComboBoxBody", 194, 1};
inline constexpr Bitmap comboBoxBottom{"ComboBoxBottom", 194, 2};

// Tunevault.dll: save-profile dialog.
inline constexpr Bitmap profileDialogBk{"ProfileDialogBk", 451, 262};
inline constexpr Bitmap profileCloseRaised{"ProfileCloseRaised", 45, 20};
inline constexpr Bitmap profileCloseSunken{"ProfileCloseSunken", 45, 20};
inline constexpr Bitmap profileCloseFocused{"ProfileCloseFocused", 45, 20};

// Tunevault.dll: ask, warn and danger dialog.
inline constexpr Bitmap askDialogBk{"AskDialogBk", 281, 203};
inline constexpr Bitmap askDialogDangerBk{"AskDialogDangerBk", 281, 203};
inline constexpr Bitmap askCloseRaised{"AskCloseRaised", 45, 20};
inline constexpr Bitmap askCloseSunken{"AskCloseSunken", 45, 20};
inline constexpr Bitmap askCloseFocused{"AskCloseFocused", 45, 20};

inline constexpr Bitmap veltruneBitmaps[] = {smallBk, middleBk, largeBk, coreBk, comboBoxBody, comboBoxBottom};
inline constexpr Bitmap tunevaultBitmaps[] = {profileDialogBk, profileCloseRaised, profileCloseSunken,
                                              profileCloseFocused, askDialogBk, askDialogDangerBk,
                                              askCloseRaised, askCloseSunken, askCloseFocused};

} // namespace skin::embedded
