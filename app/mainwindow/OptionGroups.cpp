#include "app/mainwindow/OptionGroups.h"

#include "kiln/arvex/BiosInterface.h"
#include "resources/SkinNames.h"

#include <functional>
#include <string>

namespace {

constexpr uint32_t kSpecialItems[2] = {0x03080018, 0x030800B4};
constexpr int kLongValueText = 5;

uint32_t TypeNibble(uint32_t number) {
    return (number >> 4) & 0xF;
}

bool IsCpuChipItem(uint32_t number) {
    return kiln::ItemKind(number) == 2 && TypeNibble(number) != 3;
}

bool IsDramItem(uint32_t number) {
    const uint32_t kind = kiln::ItemKind(number);
    return TypeNibble(number) == 3 && (kind == 2 || kind == 12);
}

bool IsExpertItem(uint32_t number) {
    return kiln::ItemKind(number) == kiln::kKindString;
}

// Calls `visit` with the entry index of every item from entry 5 on.
void ForEachOrdinaryItem(const LuOcPrimaryItemSet& items, const std::function<void(size_t, kiln::BiosItem&)>& visit) {
    for (size_t entry = LuOcPrimaryItemSet::kFirstOrdinaryEntry; entry < items.Count(); ++entry)
        if (kiln::BiosItem* item = items.Item(entry)) visit(entry, *item);
}

void AddRows(AdvGroup& group, const LuOcPrimaryItemSet& items, bool (*takes)(uint32_t)) {
    ForEachOrdinaryItem(items, [&](size_t entry, kiln::BiosItem& item) {
        if (takes(item.Number())) group.AddRow(static_cast<int>(entry));
    });
}

}  // namespace

bool HasTypeThreeItems(const LuOcPrimaryItemSet& items) {
    bool found = false;
    ForEachOrdinaryItem(items, [&](size_t, kiln::BiosItem& item) { found |= TypeNibble(item.Number()) == 3; });
    return found;
}

OptionLayout ChooseOptionLayout(const LuOcPrimaryItemSet& items, bool compactAdvancedPage) {
    int variant = compactAdvancedPage ? 2 : 0;
    ForEachOrdinaryItem(items, [&](size_t, kiln::BiosItem& item) {
        std::string text;
        if (IsCpuChipItem(item.Number()) && item.ReadText(text) && static_cast<int>(text.size()) > kLongValueText)
            variant = 1;
    });
    const std::vector<bool> special = kiln::AreItemsPresent({kSpecialItems[0], kSpecialItems[1]});
    const bool bothSpecial = special[0] && special[1];
    if (bothSpecial && variant != 1) variant = 4;

    OptionLayout layout;
    layout.cpuChipVariant = variant;
    if (bothSpecial && variant != 1) variant = 3;
    if (!compactAdvancedPage) {
        layout.secondVariant = variant;
        layout.second = variant == 3 ? SecondGroupKind::Expert : SecondGroupKind::Dram;
    }
    return layout;
}

OptionGroups BuildOptionGroups(WidgetHost& window, AdvItemSets sets, const OptionLayout& layout) {
    OptionGroups groups;
    groups.cpuChip = std::make_unique<AdvGroup>(sets);
    groups.cpuChip->Create(window, "CpuChipGroup", skin::cpuChipIcon, "CPU/Chip Voltage", 39, 295,
                           layout.cpuChipVariant);
    AddRows(*groups.cpuChip, sets.primary, &IsCpuChipItem);

    if (layout.second == SecondGroupKind::None) return groups;
    groups.second = std::make_unique<AdvGroup>(sets);
    if (layout.second == SecondGroupKind::Expert) {
        groups.second->Create(window, "ExpertGroup", skin::expertIcon, "Expert Option", 39, 458,
                              layout.secondVariant);
        AddRows(*groups.second, sets.primary, &IsExpertItem);
    } else {
        groups.second->Create(window, "DramGroup", skin::dramIcon, "DRAM Reference Voltage", 39, 458,
                              layout.secondVariant);
        AddRows(*groups.second, sets.primary, &IsDramItem);
    }
    return groups;
}
