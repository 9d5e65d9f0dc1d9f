#pragma once
// The window messages other programs exchange with the running Veltrune: the
// private commands its main window (class "TMainForm", caption "Veltrune")
// obeys, the one it sends the power-saving companion, the notification-area
// icon's callback and the settings-changed broadcast every program of the
// maker listens to. The program and everything that speaks to it take the
// numbers from here.

#include <windows.h>

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

// Profile requests, as veltrunectl makes them: WM_COPYDATA to the main
// window, wParam the requester's window for what comes back, dwData the
// request and the data the profile name (up to kMaxProfileName characters,
// no terminating zero needed). SendMessage returns one of the answers
// below; 0 from a program that does not know the request.
inline constexpr ULONG_PTR kListProfiles = 0x56540001;
// Fill the window's controls from the profile and show it (nothing is
// written), or do that and Apply, with its questions.
inline constexpr ULONG_PTR kLoadProfile = 0x56540002;
inline constexpr ULONG_PTR kApplyProfile = 0x56540003;
inline constexpr unsigned kMaxProfileName = 259;
inline constexpr LRESULT kRequestTaken = 1;
// A question or dialog of the program is open, or it is still starting.
inline constexpr LRESULT kRequestBusy = 2;
inline constexpr LRESULT kNoSuchProfile = 3;
// The name could reach outside the profile folder, or is no name at all.
inline constexpr LRESULT kNameRefused = 4;
// Before kListProfiles returns, the names come back to the requester as
// WM_COPYDATA with this dwData, as the profile selector lists them, each
// followed by a zero.
inline constexpr ULONG_PTR kProfileNames = 0x56540010;
// Once a taken load or apply is over, this is posted to the requester with
// one of the outcomes in wParam.
inline constexpr UINT kProfileOutcome = WM_APP + 0x56;
inline constexpr WPARAM kProfileLoaded = 1;
inline constexpr WPARAM kProfileApplied = 2;
// A question was answered no or closed: nothing was written.
inline constexpr WPARAM kProfileNotApplied = 3;
// The profile's file or firmware entry could not be read; the window said so.
inline constexpr WPARAM kProfileUnreadable = 4;
// A question of the program opened meanwhile: the request was dropped.
inline constexpr WPARAM kProfileBusy = 5;

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
