#pragma once
// Finding one item by number, the way the program does: by walking its group.

#include <cstdint>
#include <memory>

#include "kiln/arvex/BiosItem.h"

namespace firmctl {

// nullptr (with the reason on standard error) when the group cannot be listed
// or does not hold the item.
std::unique_ptr<kiln::BiosItem> FindItem(uint32_t number);

// "number", "string" or "boolean", from the item number's kind code.
const char* KindName(uint32_t number);

}  // namespace firmctl
