#pragma once
// A profile file written whole or not at all.

#include "standins/velolib/AppliedState.h"

#include <string>
#include <vector>

namespace velolib {

inline constexpr uint32_t kProfileHeaderWord = 0x46504556;  // "VEPF"
inline constexpr uint32_t kProfileVersion = 1;

// How a profile is written. The maker's library promises no more than a
// profile at the path; its callers are tested against the ways a writer
// can keep or break that promise.
enum class WriteMode {
    // Through a temporary file moved over the target: whole or not at all.
    Whole,
    // In place, stopping halfway through the entries, then failing: a
    // writer that dies mid-write and leaves a truncated file behind.
    CutShort,
    // In place, with the old file's times put back: a rewrite of the same
    // size within one tick of a coarse file-system clock.
    InPlaceSameTimes,
};

// VELOLIB_WRITE: "cut" for CutShort, "same-times" for InPlaceSameTimes,
// anything else (or unset) for Whole. Read on every write.
WriteMode WriteModeFromEnvironment();

// Writes the settings to `path` as `mode` says. Whole writes to a
// temporary file in the target's folder and moves it over `path`; on any
// failure the temporary file is removed and `path` is as it was.
bool WriteProfileFile(const std::string& path, const std::vector<Setting>& settings, WriteMode mode);

}  // namespace velolib
