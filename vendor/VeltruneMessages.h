#pragma once
// The window messages other programs exchange with the running Veltrune: the
// private commands its main window (class "TMainForm", caption "Veltrune")
// obeys, the one it sends the power-saving companion, the notification-area
// icon's callback and the settings-changed broadcast every program of the
// maker listens to. The program and everything that speaks to it take the
// numbers from here.

#include <minwindef.h>

#include <cstdint>

namespace veltrune::msg {

// Every private command carries this tag ('U') in wParam. Close, minimize,
// show and to-front look at its low byte only; the remote write and the
// remote command want the whole word to be the tag.
inline constexpr WPARAM kTag = 85;

// To the main window.
inline constexpr UINT kClose = 1024;
inline constexpr UINT kMinimize = 1025;
inline constexpr UINT kShow = 1026;
// What a second start sends the copy already running.
inline constexpr UINT kShowFromSecondStart = 1027;
inline constexpr UINT kToFront = 1030;
// lParam: the step index to write to the CPU base clock.
inline constexpr UINT kRemoteWrite = 1060;
// lParam: the command word below.
inline constexpr UINT kRemoteCommand = 1061;
// The notification-area icon's callback; lParam is the mouse message.
inline constexpr UINT kTrayNotification = 1224;

// To the companion's main window, with the tag: leave power saving for high
// performance.
inline constexpr UINT kCompanionHighPerformance = 1055;

// The command word of kRemoteCommand. kTakeSnapshot first saves the current
// settings; the low byte is the action: kRestore writes the saved settings
// back (once), the next kBuiltInProfiles actions apply built-in profile 0, 1
// and 2, and any other action does nothing.
inline constexpr std::uint32_t kTakeSnapshot = 0x8000;
inline constexpr std::uint32_t kActionMask = 0xFF;
inline constexpr std::uint32_t kRestore = 0;
inline constexpr std::uint32_t kFirstBuiltInProfile = 1;
inline constexpr std::uint32_t kBuiltInProfiles = 3;

// The settings-changed broadcast: a message registered under this name and
// posted to every top-level window. Its wParam carries the tag in the low
// byte and a command in the next; kSettingsChangedCommand tells listeners to
// read the settings again.
inline constexpr char kBroadcastName[] = "WM_ARVEX_BROADCAST_MESSAGE";
inline constexpr unsigned kSettingsChangedCommand = 35;
inline constexpr WPARAM kSettingsChanged = (kSettingsChangedCommand << 8) | kTag;
// Its lParam: what changed them. Apply, a remote write or a restore
// (kChangedByApply), or a built-in profile applied on request.
inline constexpr LPARAM kChangedByApply = 0;
inline constexpr LPARAM kChangedByBuiltInProfile = 3;

}  // namespace veltrune::msg
