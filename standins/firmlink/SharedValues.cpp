#include "standins/firmlink/SharedValues.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>
#include <vector>

#include "standins/firmlink/BoardState.h"
#include "standins/firmlink/Host.h"

namespace firmsim {
namespace {

constexpr uint32_t kMagic = 0x464C4E4E;  // layout version of SharedBlock
static_assert(offsetof(SharedBlock, changes) == sizeof(SharedBlock::magic), "cleared apart from the rest");

std::string ObjectName(const char* prefix, const std::string& instance) {
    std::string name = prefix + instance;
    for (char& c : name)
        if (c == '\\') c = '_';
    return name;
}

}  // namespace

SharedValues::Lock::Lock(const SharedValues& owner) : m_owner(owner) {
    // An abandoned mutex still hands over ownership; the values it guards are
    // plain words and stay usable.
    WaitForSingleObject(m_owner.m_mutex.Get(), INFINITE);
    m_owner.BeginChange();
}

SharedValues::Lock::~Lock() {
    m_owner.SaveIfChanged();
    m_owner.EndChange();
    ReleaseMutex(m_owner.m_mutex.Get());
}

uint32_t SharedValues::Changes() const {
    return std::atomic_ref<uint32_t>(block().changes).load(std::memory_order_acquire);
}

// Both keep the counter's parity right whatever it was: a lock handed on
// from a process that died while changing leaves it odd.
void SharedValues::BeginChange() const {
    if (!IsOpen()) return;
    std::atomic_ref<uint32_t> changes(block().changes);
    const uint32_t now = changes.load(std::memory_order_relaxed);
    if (!(now & 1)) changes.store(now + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
}

void SharedValues::EndChange() const {
    if (!IsOpen()) return;
    std::atomic_ref<uint32_t> changes(block().changes);
    const uint32_t now = changes.load(std::memory_order_relaxed);
    if (now & 1) changes.store(now + 1, std::memory_order_release);
}

bool SharedValues::Open(const std::string& instance, const Board& board, std::string& error) {
    m_instance = instance;
    m_state = StateFile(instance);
    m_mutex = base::KernelHandle(CreateMutexA(nullptr, FALSE, ObjectName("firmlink-lock-", instance).c_str()));
    if (!m_mutex) {
        error = "cannot create the firmware lock (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    std::string ignored;
    {
        Lock lock(*this);
        m_mapping = base::KernelHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                          sizeof(SharedBlock),
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
        // The lock was taken before the memory was mapped.
        BeginChange();
        // New mappings are zero-filled, so the magic tells whether anyone has
        // filled this one yet.
        if (block().magic != kMagic) {
            FillFromBoard(board);
            ignored = RestoreSaved();
            MarkSaved();
        } else {
            Merge(board);
        }
    }
    // Told only once the lock is free: a message box may wait for a person.
    if (!ignored.empty()) ReportProblem(ignored);
    return true;
}

SharedSlot* SharedValues::Find(uint32_t item) const {
    SharedBlock& b = block();
    for (uint32_t i = 0; i < b.slotCount && i < kMaxSharedSlots; ++i)
        if (b.slots[i].item == item) return &b.slots[i];
    return nullptr;
}

void SharedValues::Fill(SharedSlot& slot, const BoardItem& item, uint32_t coreCount) const {
    slot.item = item.number;
    slot.faults = item.faults;
    slot.valueCount = item.perCore ? coreCount : 1;
    for (uint32_t core = 0; core < kMaxCores; ++core)
        slot.values[core] = item.initial[item.perCore && core < item.initial.size() ? core : 0];
}

void SharedValues::FillFromBoard(const Board& board) const {
    SharedBlock& b = block();
    // All but the counter, which readers of other processes go by.
    constexpr size_t kKept = offsetof(SharedBlock, changes) + sizeof b.changes;
    b.magic = 0;
    std::memset(reinterpret_cast<char*>(&b) + kKept, 0, sizeof b - kKept);
    board.ForEachItem([&](const BoardItem& item) {
        if (b.slotCount < kMaxSharedSlots) Fill(b.slots[b.slotCount++], item, board.coreCount);
    });
    for (const auto& group : board.groups)
        if (group.listFault) b.groupFaults[group.number / 32] |= 1u << (group.number % 32);
    b.fingerprint = BoardFingerprint(board);
    b.magic = kMagic;
}

void SharedValues::LoadFrom(const Board& board) const {
    FillFromBoard(board);
    m_state.Remove();
    MarkSaved();
}

void SharedValues::Merge(const Board& board) const {
    SharedBlock& b = block();
    board.ForEachItem([&](const BoardItem& item) {
        if (!Find(item.number) && b.slotCount < kMaxSharedSlots) Fill(b.slots[b.slotCount++], item, board.coreCount);
    });
}

std::string SharedValues::RestoreSaved() const {
    std::string text;
    switch (m_state.Read(text)) {
    case StateFile::ReadResult::Missing:
        return {};
    case StateFile::ReadResult::Unreadable:
        return IgnoreSaved("it cannot be read");
    case StateFile::ReadResult::Read:
        break;
    }
    std::vector<SavedItem> saved;
    std::string why;
    if (!ParseBoardState(text, m_instance, block().fingerprint, saved, why)) return IgnoreSaved(why);
    // All or nothing: a file that does not fit changes no value.
    for (const SavedItem& item : saved) {
        const SharedSlot* slot = Find(item.item);
        if (slot && slot->valueCount != item.values.size())
            return IgnoreSaved("item " + HexWord(item.item) + " has " + std::to_string(item.values.size()) +
                               " values where the board has " + std::to_string(slot->valueCount));
    }
    // Items the board lacks came from another board that shared the machine.
    for (const SavedItem& item : saved)
        if (SharedSlot* slot = Find(item.item))
            std::copy(item.values.begin(), item.values.end(), slot->values);
    return {};
}

// Moved aside rather than overwritten by the next save: the message is given
// once, and the file stays for whoever wants to see what went wrong.
std::string SharedValues::IgnoreSaved(const std::string& why) const {
    const std::string aside = m_state.SetAside();
    std::string message = "ignored the saved board state " + m_state.Path() + " because " + why +
                          "; the board's own values are used";
    if (!aside.empty()) message += " and the file was moved to " + aside;
    return message;
}

void SharedValues::MarkSaved() const {
    const uint64_t hash = ValuesHash(block());
    block().savedHashLow = static_cast<uint32_t>(hash);
    block().savedHashHigh = static_cast<uint32_t>(hash >> 32);
}

void SharedValues::SaveIfChanged() const {
    if (!IsOpen() || !m_state.Enabled()) return;
    SharedBlock& b = block();
    const uint64_t hash = ValuesHash(b);
    if (b.savedHashLow == static_cast<uint32_t>(hash) && b.savedHashHigh == static_cast<uint32_t>(hash >> 32)) return;
    // Marked even when the save fails, so that reads do not retry on every
    // call; the next change tries again.
    MarkSaved();
    std::string error;
    if (!m_state.Write(FormatBoardState(b, m_instance), error) && !m_saveFailureLogged) {
        m_saveFailureLogged = true;
        LogProblem("cannot save the board state in " + m_state.Path() + ": " + error +
                   "; the values last only while the library is loaded");
    }
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
