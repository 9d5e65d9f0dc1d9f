#pragma once
// The layout of an instance's shared memory: plain data, the same in 32- and
// 64-bit processes, and what the state file is written from.

#include <cstdint>

#include "standins/firmlink/Board.h"

namespace firmsim {

struct SharedSlot {
    uint32_t item;
    uint32_t faults;      // FirmFaultKind bits for the item
    uint32_t valueCount;  // the core count for per-core items, else 1
    uint32_t values[kMaxCores];
};

constexpr uint32_t kMaxSharedSlots = 1024;

struct SharedBlock {
    uint32_t magic;
    uint32_t fingerprint;  // of the board that filled the block
    // Hash of the values as last saved (or as the board gives them while
    // nothing is saved), in two halves so 32- and 64-bit processes agree.
    uint32_t savedHashLow;
    uint32_t savedHashHigh;
    uint32_t slotCount;
    uint32_t groupFaults[8];  // one bit per group that cannot be listed
    SharedSlot slots[kMaxSharedSlots];
};

}  // namespace firmsim
