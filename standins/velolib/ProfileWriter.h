#pragma once
// A profile file written whole or not at all.

#include "standins/velolib/AppliedState.h"

#include <string>
#include <vector>

namespace velolib {

inline constexpr uint32_t kProfileHeaderWord = 0x46504556;  // "VEPF"
inline constexpr uint32_t kProfileVersion = 1;

// Writes the settings to a temporary file in the target's folder and moves
// it over `path`. On any failure the temporary file is removed and `path`
// is as it was.
bool WriteProfileFile(const std::string& path, const std::vector<Setting>& settings);

}  // namespace velolib
