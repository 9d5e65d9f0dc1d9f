#pragma once
// Numbers on the command line: hexadecimal with 0x, otherwise decimal.

#include <cstdint>

namespace firmctl {

bool ParseNumber(const char* text, uint32_t& value);

}  // namespace firmctl
