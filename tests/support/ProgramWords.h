#pragma once
// What tests expect of the program as its user and its peers meet it: the
// questions Apply asks, word for word, and the private messages other
// programs send the running copy. Spelled here, not taken from the program,
// so a changed text or number fails the tests.

#include <windows.h>

namespace testsupport {

inline constexpr const char* kUnstable = "The setting may cause your system unstable. Do you want to continue?";
inline constexpr const char* kCompanion =
    "Veltrune will now overclock your system, and Wattmind will automatically switch back to High Performance "
    "mode. Are you sure to continue?";
inline constexpr const char* kHighVoltage =
    "You choose high level voltage to overclock. Using this setting does not guarantee CPU life. Do you want to "
    "continue?";
inline constexpr const char* kAreYouSure = "Are you sure?";

inline constexpr UINT kRemoteWrite = 1060;
inline constexpr UINT kRemoteCommand = 1061;

}  // namespace testsupport
