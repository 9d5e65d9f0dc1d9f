#pragma once
// The simulated board as read from a board file: what the firmware lists,
// describes and starts with. Current values live in shared memory
// (SharedValues), not here, so that every process sees one machine.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace firmsim {

constexpr uint32_t kSkipBit = 0x40000000;
constexpr uint32_t kCoreSelector = 0x030600F0;
constexpr uint32_t kAllCores = 255;
constexpr uint32_t kMaxCores = 16;

enum class ItemKind { Number, String, Boolean };

struct StoredProfile {
    std::string name;
    std::vector<std::pair<uint32_t, uint32_t>> values;  // item number, step index
};

struct ItemLimit {
    uint32_t argument = 0;  // low 16 bits of the limited item's number
    uint32_t limit = 0;     // step index; 0 means no limit
};

struct BoardItem {
    uint32_t number = 0;
    std::string name;
    uint32_t attribute = 0;
    uint32_t defaultIndex = 0;
    ItemKind kind = ItemKind::Number;
    // Number items: a flag item has no step table and takes any value.
    bool flags = false;
    uint32_t baseWord = 0;
    uint32_t stepWord = 0;
    uint32_t numericSteps = 0;
    std::vector<std::string> extraStrings;
    // String items (the names of the stored profiles when there are any).
    std::vector<std::string> strings;
    // One value, or one per core for an item that follows the core selector.
    std::vector<uint32_t> initial;
    bool perCore = false;
    std::vector<ItemLimit> limits;
    bool limitTable = false;
    std::vector<StoredProfile> profiles;
    uint32_t faults = 0;  // FirmFaultKind bits set from the start

    // Values at or beyond this count are refused; 0 with AcceptsAnyValue.
    uint32_t StepCount() const;
    bool AcceptsAnyValue() const { return kind == ItemKind::Number && flags; }
    bool IsValidIndex(uint32_t value) const { return AcceptsAnyValue() || value < StepCount(); }
};

struct BoardGroup {
    uint32_t number = 0;
    bool listFault = false;
    std::vector<BoardItem> items;
};

struct Board {
    std::string description;
    std::vector<std::string> infoStrings;  // the first two interface elements
    std::vector<uint32_t> infoWords;       // the integers from the third element on
    std::vector<BoardGroup> groups;
    uint32_t coreCount = 1;  // step count of the core selector, 1 without one

    const BoardGroup* FindGroup(uint32_t number) const;
    const BoardItem* FindItem(uint32_t number) const;
    template <typename Fn>
    void ForEachItem(Fn&& fn) const {
        for (const auto& group : groups)
            for (const auto& item : group.items) fn(item);
    }
};

}  // namespace firmsim
