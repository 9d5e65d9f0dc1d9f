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
constexpr uint32_t kHighestOrdinal = 13;

// How one ordinal fails for every process of the machine (FirmSimFailOrdinal).
struct OrdinalFault {
    uint32_t mode;       // FirmOrdinalFailure
    uint32_t parameter;  // N for the counted modes, failures per 1000 calls for the random one
    uint32_t calls;      // calls since the fault was set
    uint32_t random;     // generator state of the random mode
};

struct SharedBlock {
    uint32_t magic;
    // Odd while a process changes the block under the lock; every change
    // moves it on, so a reader that saw the same even number before and
    // after copying knows it copied one consistent state.
    uint32_t changes;
    uint32_t fingerprint;  // of the board that filled the block
    // Hash of the values as last saved (or as the board gives them while
    // nothing is saved), in two halves so 32- and 64-bit processes agree.
    uint32_t savedHashLow;
    uint32_t savedHashHigh;
    uint32_t slotCount;
    uint32_t groupFaults[8];  // one bit per group that cannot be listed
    OrdinalFault ordinalFaults[kHighestOrdinal + 1];
    SharedSlot slots[kMaxSharedSlots];
};

}  // namespace firmsim
