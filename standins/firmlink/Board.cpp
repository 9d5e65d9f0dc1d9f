#include "standins/firmlink/Board.h"

namespace firmsim {

uint32_t BoardItem::StepCount() const {
    switch (kind) {
    case ItemKind::Number:
        return flags ? 0 : numericSteps + static_cast<uint32_t>(extraStrings.size());
    case ItemKind::String:
        return static_cast<uint32_t>(strings.size());
    case ItemKind::Boolean:
        return 2;
    }
    return 0;
}

const BoardGroup* Board::FindGroup(uint32_t number) const {
    for (const auto& group : groups)
        if (group.number == number) return &group;
    return nullptr;
}

const BoardItem* Board::FindItem(uint32_t number) const {
    const BoardGroup* group = FindGroup(number >> 24);
    if (!group) return nullptr;
    for (const auto& item : group->items)
        if (item.number == number) return &item;
    return nullptr;
}

}  // namespace firmsim
