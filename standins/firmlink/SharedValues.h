#pragma once
// Current values of the simulated board, kept in named shared memory so that
// every process of one firmware instance (program, tools, tests) sees the
// same machine. The first process to open the instance fills it from its
// board and then from the values saved when the instance last changed;
// later ones only add items their board has and the memory lacks. Whoever
// changes a value saves the instance before letting go of the lock, so the
// board keeps its settings after the last process ends, as firmware does.

#include <atomic>
#include <cstdint>
#include <string>

#include "standins/firmlink/Board.h"
#include "standins/firmlink/SharedBlock.h"
#include "standins/firmlink/StateFile.h"
#include "base/Handles.h"

namespace firmsim {

class SharedValues {
public:
    // Opens (creating on first use) the memory of `instance`.
    bool Open(const std::string& instance, const Board& board, std::string& error);

    // Holds the machine-wide lock; every change of block() happens under one,
    // and so does every read outside ReadConsistent.
    class Lock {
    public:
        explicit Lock(const SharedValues& owner);
        // Saves what changed under the lock before handing it on.
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        const SharedValues& m_owner;
    };

    // Runs `copy` on a consistent state of the block without taking the
    // lock when no other process is changing it (under Wine every wait is a
    // round trip to the server, and reads are most of the calls). `copy`
    // may run more than once, and on a half-changed block before a retry:
    // it only copies into its own locals and must stay within the block.
    template <class Copy>
    void ReadConsistent(Copy copy) const {
        for (int attempt = 0; attempt < kOptimisticReads; ++attempt) {
            const uint32_t before = Changes();
            if (before & 1) continue;
            copy();
            // The copy's reads come before the second look at the counter.
            std::atomic_thread_fence(std::memory_order_acquire);
            if (Changes() == before) return;
        }
        // A writer is busy, or died half-way: its abandoned lock is handed on.
        Lock lock(*this);
        copy();
    }

    bool IsOpen() const { return m_view.Get() != nullptr; }
    SharedBlock& block() const { return *static_cast<SharedBlock*>(m_view.Get()); }
    SharedSlot* Find(uint32_t item) const;
    // Rewrites everything from the board (values, selected core, faults)
    // and forgets the saved values.
    void LoadFrom(const Board& board) const;
    bool GroupFault(uint32_t group) const;
    void SetGroupFault(uint32_t group, bool on) const;

private:
    static constexpr int kOptimisticReads = 64;

    uint32_t Changes() const;
    void BeginChange() const;
    void EndChange() const;
    void FillFromBoard(const Board& board) const;
    void Merge(const Board& board) const;
    void Fill(SharedSlot& slot, const BoardItem& item, uint32_t coreCount) const;
    // Lays the saved values over the board's; returns what was wrong with
    // them when they were ignored, empty otherwise.
    std::string RestoreSaved() const;
    std::string IgnoreSaved(const std::string& why) const;
    void MarkSaved() const;
    void SaveIfChanged() const;

    std::string m_instance;
    StateFile m_state;
    mutable bool m_saveFailureLogged = false;
    base::KernelHandle m_mutex;
    base::KernelHandle m_mapping;
    base::MappedView m_view;
};

}  // namespace firmsim
