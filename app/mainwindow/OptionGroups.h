#pragma once
// Which option groups the Advance Mode page shows, in which layout variant,
// and which items of the primary item set each takes:
//   "CPU/Chip Voltage"        voltages (kind 2) of any type but 3; always
//   "DRAM Reference Voltage"  type-3 voltages and multipliers (kind 2 or 12)
//   "Expert Option"           string items (kind 8), where the board has both
//                             special items and no long value text
// The second group exists only where the board has type-3 items (the page
// is otherwise compact enough for the middle window size).

#include "app/mainwindow/AdvGroup.h"
#include "app/mainwindow/AdvItemSets.h"

#include <cstdint>
#include <memory>

class WidgetHost;

enum class SecondGroupKind { None, Dram, Expert };

struct OptionLayout {
    int cpuChipVariant = 0;
    int secondVariant = 0;
    SecondGroupKind second = SecondGroupKind::None;
};

struct OptionGroups {
    std::unique_ptr<AdvGroup> cpuChip;
    // Empty when the layout has no second group.
    std::unique_ptr<AdvGroup> second;
};

// Items from entry 5 on whose type nibble (bits 4-7 of the item number) is 3.
bool HasTypeThreeItems(const LuOcPrimaryItemSet& items);
// True when no item from entry 5 on has type nibble 3: the advanced page
// then fits the middle window size. Reads nothing from the firmware.
inline bool IsCompactAdvancedPage(const LuOcPrimaryItemSet& items) {
    return !HasTypeThreeItems(items);
}

// Decides the variants from the board: the compact page, a CPU/Chip voltage
// whose current value text is longer than 5 characters (one that cannot be
// read does not count), and the two special items 0x03080018 and 0x030800B4.
OptionLayout ChooseOptionLayout(const LuOcPrimaryItemSet& items, bool compactAdvancedPage);

// Builds the groups of `layout` on the window (icons at (39, 295) and
// (39, 458)) with their rows, all hidden.
OptionGroups BuildOptionGroups(WidgetHost& window, AdvItemSets sets, const OptionLayout& layout);
