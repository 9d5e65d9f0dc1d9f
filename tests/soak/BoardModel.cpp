#include "tests/soak/BoardModel.h"

#include "vendor/VeltruneMessages.h"

#include <algorithm>
#include <stdexcept>

namespace soak {
namespace {

namespace msg = veltrune::msg;

}  // namespace

BoardModel::BoardModel(std::vector<ItemInfo> items, Values board, size_t copies)
    : m_items(std::move(items)), m_board(std::move(board)), m_copies(copies) {
    for (CopyView& copy : m_copies) copy.bars = BarValues();
}

Values BoardModel::BarValues() const {
    Values bars;
    for (const ItemInfo& item : m_items)
        if (item.hasBar) bars[item.number] = m_board.at(item.number);
    return bars;
}

const ItemInfo& BoardModel::Item(uint32_t number) const {
    for (const ItemInfo& item : m_items)
        if (item.number == number) return item;
    throw std::out_of_range("no item " + std::to_string(number));
}

void BoardModel::SetBar(Values& bars, uint32_t item, size_t core, uint32_t value) const {
    const ItemInfo& info = Item(item);
    bars.at(item).at(core) = std::min(value, info.stepCount - 1);
}

void BoardModel::Step(size_t copy, uint32_t item, int delta) {
    CopyView& view = m_copies.at(copy);
    const uint32_t now = view.bars.at(item).at(0);
    const uint32_t moved = delta < 0 ? (now == 0 ? 0 : now - 1) : now + 1;
    SetBar(view.bars, item, 0, moved);
    view.unapplied = true;
}

bool BoardModel::ApplyIsDangerous(size_t copy) const {
    for (const auto& [number, values] : m_copies.at(copy).bars) {
        const uint32_t limit = Item(number).limit;
        for (uint32_t value : values)
            if (limit != 0 && value > limit) return true;
    }
    return false;
}

void BoardModel::Broadcast() {
    for (CopyView& copy : m_copies) copy.bars = BarValues();
}

void BoardModel::Apply(size_t copy, const Values& chosen) {
    CopyView& view = m_copies.at(copy);
    for (const auto& [number, values] : chosen) m_board[number] = values;
    view.unapplied = false;
    Broadcast();
}

void BoardModel::Undo(size_t copy) {
    m_copies.at(copy).bars = BarValues();
    m_copies.at(copy).unapplied = false;
}

// Per-core entries fill the cores in order; a surplus has no core to go to.
void BoardModel::LoadIntoBars(size_t copy, const Entries& entries) {
    CopyView& view = m_copies.at(copy);
    std::map<uint32_t, size_t> nextCore;
    for (const auto& [number, value] : entries) {
        auto bar = view.bars.find(number);
        if (bar == view.bars.end()) continue;
        const ItemInfo& info = Item(number);
        if (info.cores > 1) {
            size_t& core = nextCore[number];
            if (core < info.cores) SetBar(view.bars, number, core++, value);
        } else {
            SetBar(view.bars, number, 0, value);
        }
    }
    view.unapplied = true;
}

Entries BoardModel::BuiltInSettings(const Entries& pairs) const {
    Entries settings;
    for (const ItemInfo& item : m_items)
        if (item.cores > 1)
            for (uint32_t core = 0; core < item.cores; ++core) settings.emplace_back(item.number, item.defaultIndex);
    for (const ItemInfo& item : m_items)
        if (item.cores == 1) settings.emplace_back(item.number, m_board.at(item.number).front());
    for (const auto& [number, value] : pairs)
        for (auto& entry : settings)
            if (entry.first == number) entry.second = value;
    return settings;
}

Entries BoardModel::SavedEntries() const {
    Entries saved;
    for (const ItemInfo& item : m_items)
        if (item.cores > 1)
            for (uint32_t value : m_board.at(item.number)) saved.emplace_back(item.number, value);
    for (const ItemInfo& item : m_items)
        if (item.cores == 1) saved.emplace_back(item.number, m_board.at(item.number).front());
    return saved;
}

void BoardModel::WriteEntries(const Entries& entries) {
    std::map<uint32_t, size_t> nextCore;
    for (const auto& [number, value] : entries) {
        auto held = m_board.find(number);
        if (held == m_board.end()) continue;
        size_t& core = nextCore[number];
        if (core < held->second.size()) held->second[core++] = value;
    }
}

void BoardModel::RemoteWrite(uint32_t item, uint32_t value) {
    m_board.at(item).at(0) = value;
    Broadcast();
}

void BoardModel::RemoteCommand(size_t copy, uint32_t command, const std::vector<Entries>& builtIn) {
    CopyView& view = m_copies.at(copy);
    if (command & msg::kTakeSnapshot) view.remoteSnapshot = m_board;
    const uint32_t action = command & msg::kActionMask;
    if (action == msg::kRestore) {
        if (!view.remoteSnapshot) return;
        m_board = *view.remoteSnapshot;
        view.remoteSnapshot.reset();
        Broadcast();
    } else if (action >= msg::kFirstBuiltInProfile && action - msg::kFirstBuiltInProfile < builtIn.size()) {
        WriteEntries(BuiltInSettings(builtIn[action - msg::kFirstBuiltInProfile]));
        Broadcast();
    }
}

// Only the first resume of a wake-up finds the snapshot; nobody is told.
void BoardModel::Resume(size_t copy) {
    CopyView& view = m_copies.at(copy);
    if (!view.powerSnapshot) return;
    m_board = *view.powerSnapshot;
    view.powerSnapshot.reset();
}

void BoardModel::Poke(uint32_t item, uint32_t core, uint32_t value) {
    m_board.at(item).at(core) = value;
}

}  // namespace soak
