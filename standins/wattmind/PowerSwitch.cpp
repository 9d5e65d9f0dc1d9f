#include "standins/wattmind/PowerSwitch.h"

#include "vendor/firmlink.h"

namespace {

// The mode the firmware expects for switch items.
constexpr uint32_t kSwitchWriteMode = 1;

}  // namespace

std::optional<bool> PowerSwitch::Read() {
    uint32_t value = 0;
    if (!(FirmReadItem(kPowerSavingSwitchItem, &value) & 1)) return std::nullopt;
    return value != 0;
}

bool PowerSwitch::Write(bool powerSaving) {
    return (FirmWriteItem(kPowerSavingSwitchItem, powerSaving ? 1 : 0, kSwitchWriteMode) & 1) != 0;
}
