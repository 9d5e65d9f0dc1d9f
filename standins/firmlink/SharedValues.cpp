#include "standins/firmlink/SharedValues.h"

#include <cstring>

namespace firmsim {
namespace {

constexpr uint32_t kMagic = 0x464C4E4B;  // layout version of SharedBlock

std::string ObjectName(const char* prefix, const std::string& instance) {
    std::string name = prefix + instance;
    for (char& c : name)
        if (c == '\\') c = '_';
    return name;
}

}  // namespace

SharedValues::Lock::Lock(const SharedValues& owner) : m_mutex(owner.m_mutex.Get()) {
    // An abandoned mutex still hands over ownership; the values it guards are
    // plain words and stay usable.
    WaitForSingleObject(m_mutex, INFINITE);
}

SharedValues::Lock::~Lock() { ReleaseMutex(m_mutex); }

bool SharedValues::Open(const std::string& instance, const Board& board, std::string& error) {
    m_mutex = base::KernelHandle(CreateMutexA(nullptr, FALSE, ObjectName("firmlink-lock-", instance).c_str()));
    if (!m_mutex) {
        error = "cannot create the firmware lock (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    Lock lock(*this);
    m_mapping = base::KernelHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(SharedBlock),
                                                ObjectName("firmlink-values-", instance).c_str()));
    if (!m_mapping) {
        error = "cannot create the firmware memory (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    m_view = base::MappedView(MapViewOfFile(m_mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedBlock)));
    if (!m_view.Get()) {
        error = "cannot map the firmware memory (error " + std::to_string(GetLastError()) + ")";
        m_mapping.Reset();
        return false;
    }
    // New mappings are zero-filled, so the magic tells whether anyone has
    // filled this one yet.
    if (block().magic != kMagic) LoadFrom(board);
    else Merge(board);
    return true;
}

SharedSlot* SharedValues::Find(uint32_t item) const {
    SharedBlock& b = block();
    for (uint32_t i = 0; i < b.slotCount && i < kMaxSharedSlots; ++i)
        if (b.slots[i].item == item) return &b.slots[i];
    return nullptr;
}

void SharedValues::Fill(SharedSlot& slot, const BoardItem& item) const {
    slot.item = item.number;
    slot.faults = item.faults;
    for (uint32_t core = 0; core < kMaxCores; ++core)
        slot.values[core] = item.initial[item.perCore && core < item.initial.size() ? core : 0];
}

void SharedValues::LoadFrom(const Board& board) const {
    SharedBlock& b = block();
    std::memset(&b, 0, sizeof b);
    board.ForEachItem([&](const BoardItem& item) {
        if (b.slotCount < kMaxSharedSlots) Fill(b.slots[b.slotCount++], item);
    });
    for (const auto& group : board.groups)
        if (group.listFault) b.groupFaults[group.number / 32] |= 1u << (group.number % 32);
    b.magic = kMagic;
}

void SharedValues::Merge(const Board& board) const {
    SharedBlock& b = block();
    board.ForEachItem([&](const BoardItem& item) {
        if (!Find(item.number) && b.slotCount < kMaxSharedSlots) Fill(b.slots[b.slotCount++], item);
    });
}

bool SharedValues::GroupFault(uint32_t group) const {
    return group < 256 && (block().groupFaults[group / 32] & (1u << (group % 32))) != 0;
}

void SharedValues::SetGroupFault(uint32_t group, bool on) const {
    if (group >= 256) return;
    uint32_t& word = block().groupFaults[group / 32];
    const uint32_t bit = 1u << (group % 32);
    word = on ? (word | bit) : (word & ~bit);
}

}  // namespace firmsim
