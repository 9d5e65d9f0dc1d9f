#pragma once
// Told what an Apply finds in the firmware as it goes. The item sets read
// each item just before they write it, so whoever keeps the values an Apply
// replaces learns them here without a firmware call of its own, and in time
// to keep them before the write that replaces them.

#include <cstdint>

class ApplyWitness {
public:
    // The core of a value that is not one core's: an ordinary item, or the
    // ratio where every core is set at once.
    static constexpr uint32_t kEveryCore = 255;

    // The value the item (the core, for the per-core ratio) held when read.
    virtual void Found(uint32_t item, uint32_t core, uint32_t value) = 0;
    // A write of a setting follows now.
    virtual void BeforeWrite() = 0;

protected:
    ~ApplyWitness() = default;
};
