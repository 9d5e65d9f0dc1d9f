#pragma once
// Where the windows put things, in window pixels. The artwork is drawn to
// fit these places; the preview composes the windows from them.

namespace skinmaker::layout {

inline constexpr int mainWidth = 661, mainHeight = 671;
inline constexpr int shapeLeft = 7, shapeRight = 646, shapeTop = 10; // inclusive
inline constexpr int smallBottom = 263, middleBottom = 499, largeBottom = 656;
inline constexpr int cornerRadius = 10;

inline constexpr int closeX = 595, minimizeX = 569, titleButtonY = 10;
inline constexpr int comboX = 93, comboY = 56;
inline constexpr int saveProfileX = 305, saveProfileY = 55;
inline constexpr int applyX = 374, undoX = 508;
inline constexpr int actionYSmall = 207, actionYMiddle = 449, actionYLarge = 603;
inline constexpr int moreSettingX = 27, moreSettingY = 207;
inline constexpr int largeBarX = 296, largeBarY = 94, largeBarPitch = 28;
inline constexpr int advanceTabX = 27, ratioTabX = 176, tabY = 245;
inline constexpr int pageTop = 270, pageLeft = 14, pageRight = 640; // right exclusive
inline constexpr int pageBottomMiddle = 443, pageBottomLarge = 598; // exclusive
inline constexpr int groupX = 39, groupY = 295, secondGroupY = 458;
inline constexpr int lineX = 41, lineY = 435;
inline constexpr int coreX = 29, coreY = 279, coreWidth = 596, coreHeight = 316;
inline constexpr int ratioBarX = 262, ratioBarPitch = 90, ratioBarY = 334;

inline constexpr int profileWidth = 451, profileHeight = 262;
inline constexpr int askWidth = 281, askHeight = 203;
inline constexpr int dialogInsetX = 8, dialogInsetTop = 6, dialogInsetBottom = 8;
inline constexpr int profileCloseX = 376, profileCloseY = 10;
inline constexpr int askCloseX = 217, askCloseY = 8;
inline constexpr int closeFaceWidth = 45, closeFaceHeight = 20;
inline constexpr int askYesX = 46, askNoX = 160, askOkX = 103, askButtonY = 134;
inline constexpr int profileButtonX = 309, profileButtonY[3] = {61, 107, 153};
inline constexpr int nameFrameX = 98, nameFrameY = 62, listFrameX = 98, listFrameY = 98;

} // namespace skinmaker::layout
