#pragma once
// The companion's power-saving mode as the firmware keeps it: the switch
// item is nonzero while power saving is on. Writing 0 is what switching
// back to high performance means.

#include <cstdint>
#include <optional>

constexpr uint32_t kPowerSavingSwitchItem = 0x0B060001;

class PowerSwitch {
public:
    // Empty when the firmware cannot read the item.
    static std::optional<bool> Read();
    static bool Write(bool powerSaving);
};
