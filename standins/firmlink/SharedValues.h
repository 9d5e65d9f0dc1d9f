#pragma once
// Current values of the simulated board, kept in named shared memory so that
// every process of one firmware instance (program, tools, tests) sees the
// same machine. The first process to open the instance fills it from its
// board; later ones only add items their board has and the memory lacks.

#include <cstdint>
#include <string>

#include "standins/firmlink/Board.h"
#include "base/Handles.h"

namespace firmsim {

struct SharedSlot {
    uint32_t item;
    uint32_t faults;  // FirmFaultKind bits for the item
    uint32_t values[kMaxCores];
};

constexpr uint32_t kMaxSharedSlots = 1024;

struct SharedBlock {
    uint32_t magic;
    uint32_t slotCount;
    uint32_t groupFaults[8];  // one bit per group that cannot be listed
    SharedSlot slots[kMaxSharedSlots];
};

class SharedValues {
public:
    // Opens (creating on first use) the memory of `instance`.
    bool Open(const std::string& instance, const Board& board, std::string& error);

    // Holds the machine-wide lock; every access to block() happens under one.
    class Lock {
    public:
        explicit Lock(const SharedValues& owner);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        HANDLE m_mutex;
    };

    bool IsOpen() const { return m_view.Get() != nullptr; }
    SharedBlock& block() const { return *static_cast<SharedBlock*>(m_view.Get()); }
    SharedSlot* Find(uint32_t item) const;
    // Rewrites everything from the board (values, selected core, faults).
    void LoadFrom(const Board& board) const;
    bool GroupFault(uint32_t group) const;
    void SetGroupFault(uint32_t group, bool on) const;

private:
    void Merge(const Board& board) const;
    void Fill(SharedSlot& slot, const BoardItem& item) const;

    base::KernelHandle m_mutex;
    base::KernelHandle m_mapping;
    base::MappedView m_view;
};

}  // namespace firmsim
