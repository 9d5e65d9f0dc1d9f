#pragma once
// Appends one line per ordinal call to the file named by FIRMLINK_JOURNAL
// (line format in firmlink.h). The variable is read on every call so that a
// test can start and stop journaling at run time.

#include <cstdint>
#include <initializer_list>

namespace firmsim {

// "<ordinal> <args...> -> <result> <outs...>", every number as 0x%08X.
void JournalCall(uint32_t ordinal, std::initializer_list<uint32_t> args, uint32_t result, std::initializer_list<uint32_t> outs = {});

}  // namespace firmsim
