#pragma once
// What tests expect of the program as its user meets it: the questions
// Apply asks, word for word. Spelled here, not taken from the program, so a
// changed text fails the tests. The messages other programs exchange with
// the running copy are the maker's contract, vendor/VeltruneMessages.h,
// which the program and the tests both follow.

namespace testsupport {

inline constexpr const char* kUnstable = "The setting may cause your system unstable. Do you want to continue?";
inline constexpr const char* kCompanion =
    "Veltrune will now overclock your system, and Wattmind will automatically switch back to High Performance "
    "mode. Are you sure to continue?";
inline constexpr const char* kHighVoltage =
    "You choose high level voltage to overclock. Using this setting does not guarantee CPU life. Do you want to "
    "continue?";
inline constexpr const char* kAreYouSure = "Are you sure?";

}  // namespace testsupport
