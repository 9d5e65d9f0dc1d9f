#pragma once
// Reads a board file (JSON). A board is accepted whole or refused whole with
// one message naming the source, the line and the fault.

#include <string>

#include "standins/firmlink/Board.h"

namespace firmsim {

// Parses board text; `source` names it in the error ("default board" or a path).
bool ParseBoard(const std::string& text, const std::string& source, Board& out, std::string& error);

// Reads and parses a board file.
bool LoadBoardFile(const std::string& path, Board& out, std::string& error);

}  // namespace firmsim
