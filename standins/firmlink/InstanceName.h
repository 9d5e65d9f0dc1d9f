#pragma once
// How an instance name is spelled in state file names and state file text.

#include <string>

namespace firmsim {

// The instance name as it may stand in a file name and on one line: letters,
// digits and "-_." as they are, every other byte as %XX.
std::string EncodeInstance(const std::string& instance);

}  // namespace firmsim
