#pragma once
// Checks of a board file that need the whole board: duplicates, the core
// selector, per-core items, limits and stored profiles. Sets the core count
// and turns limit targets into the 16-bit arguments of ordinal 12.

#include <nlohmann/json.hpp>

#include "standins/firmlink/Board.h"

namespace firmsim {

// Throws LineJsonError at the first fault.
void CheckBoard(Board& board, const nlohmann::json& root);

}  // namespace firmsim
