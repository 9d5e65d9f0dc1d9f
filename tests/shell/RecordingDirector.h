#pragma once
// The main window's tests link this controller instead of the real one, so
// that every entry point a message reaches is written down.

#include <cstdint>
#include <string>
#include <vector>

namespace shelltest {

// One line per call, such as "OnRemoteWrite 7" or "ShowMainWindow".
std::vector<std::string>& DirectorCalls();

}  // namespace shelltest
