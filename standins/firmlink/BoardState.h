#pragma once
// The text in which an instance's values are saved:
//
//   firmlink board state 1
//   instance <name, spelled as in the file name>
//   board 0x<fingerprint of the board the values belong to>
//   0x<item> <value> [<value> ...]     one line per item, one value per core
//   end <number of item lines>
//
// Text, so a person can read and even edit it; the last line shows that the
// file is whole.

#include <cstdint>
#include <string>
#include <vector>

#include "standins/firmlink/Board.h"

namespace firmsim {

struct SharedBlock;

struct SavedItem {
    uint32_t item = 0;
    std::vector<uint32_t> values;
};

// "0x%08X", as item numbers are written everywhere.
std::string HexWord(uint32_t word);

// Changes when the board's items, their step tables or its cores change, not
// when only the values it starts from do.
uint32_t BoardFingerprint(const Board& board);

// Hash of every setting in the block, for telling whether anything changed
// that must be saved; the core selector is not a setting.
uint64_t ValuesHash(const SharedBlock& block);

std::string FormatBoardState(const SharedBlock& block, const std::string& instance);

// False, with why the text is not usable (another program's file, another
// instance's or board's values, or damage), when it must be ignored.
bool ParseBoardState(const std::string& text, const std::string& instance, uint32_t fingerprint,
                     std::vector<SavedItem>& items, std::string& why);

}  // namespace firmsim
