#include "standins/velolib/AppliedState.h"

#include "standins/velolib/FirmwarePackage.h"
#include "vendor/firmlink.h"

#include <algorithm>

namespace velolib {
namespace {

constexpr uint32_t kTuningGroup = 3;
constexpr uint32_t kRatioLocal = 19;
constexpr uint32_t kCoreCountLocal = 240;
constexpr uint32_t kCoreSelector = 0x030600F0;
constexpr uint32_t kSelectMode = 1;
constexpr uint32_t kSkipBit = 0x40000000;

// What an item's description tells: element 0 its number, 2 its attribute
// word, and for a number item 6 its numeric steps and 7 the count of extra
// strings that come before them.
struct ItemFacts {
    uint32_t number = 0;
    bool skipped = false;
    uint32_t steps = 0;
};

uint32_t Local(uint32_t number) { return number & 0xFFFF; }

ItemFacts FactsOf(const FirmwarePackage& description) {
    ItemFacts facts;
    facts.number = description.Integer(0);
    facts.skipped = (description.Integer(2) & kSkipBit) != 0;
    facts.steps = description.Integer(6) + (description.Count() > 7 ? description.Integer(7) : 0);
    return facts;
}

bool ReadValue(uint32_t number, uint32_t& value) {
    return (FirmReadItem(number, &value) & 1) != 0;
}

// Reads the ratio of every core through the selector, which stays on the
// last core, as it does after the program reads the cores; false when one
// cannot be read.
bool AppendRatio(const ItemFacts& ratio, const std::vector<ItemFacts>& items, std::vector<Setting>& settings) {
    const bool hasSelector = std::any_of(items.begin(), items.end(), [](const ItemFacts& item) {
        return item.number == kCoreSelector;
    });
    if (!hasSelector) {
        uint32_t value = 0;
        if (!ReadValue(ratio.number, value)) return false;
        settings.push_back(Setting{ratio.number, value});
        return true;
    }
    auto counter = std::find_if(items.begin(), items.end(), [](const ItemFacts& item) {
        return Local(item.number) == kCoreCountLocal;
    });
    const uint32_t cores = counter == items.end() ? 1 : counter->steps;
    std::vector<Setting> ratios;
    for (uint32_t core = 0; core < cores; ++core) {
        uint32_t value = 0;
        if (!(FirmWriteItem(kCoreSelector, core, kSelectMode) & 1) || !ReadValue(ratio.number, value)) return false;
        ratios.push_back(Setting{ratio.number, value});
    }
    settings.insert(settings.end(), ratios.begin(), ratios.end());
    return true;
}

}  // namespace

bool ReadAppliedState(std::vector<Setting>& settings) {
    settings.clear();
    FirmInitialize();
    FirmwarePackage list;
    if (!list.ListGroup(kTuningGroup)) return false;
    std::vector<ItemFacts> items;
    FirmwarePackage description;
    // A profile that silently lacks a setting would pass for the applied
    // state: whatever cannot be read fails the whole read.
    for (uint32_t i = 0; i < list.Count(); ++i) {
        if (!description.Describe(list, i)) return false;
        items.push_back(FactsOf(description));
    }

    auto ratio = std::find_if(items.begin(), items.end(), [](const ItemFacts& item) {
        return Local(item.number) == kRatioLocal;
    });
    if (ratio != items.end() && !ratio->skipped && !AppendRatio(*ratio, items, settings)) return false;
    for (const ItemFacts& item : items) {
        uint32_t value = 0;
        if (item.skipped || Local(item.number) == kRatioLocal) continue;
        if (!ReadValue(item.number, value)) return false;
        settings.push_back(Setting{item.number, value});
    }
    return true;
}

}  // namespace velolib
