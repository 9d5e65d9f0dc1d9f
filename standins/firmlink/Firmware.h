#pragma once
// The simulated board behind the ordinals: one per process, built on first
// use from FIRMLINK_BOARD (or the built-in board), sharing its current values
// with every other process of the same FIRMLINK_INSTANCE.

#include <cstdint>
#include <mutex>
#include <string>

#include "standins/firmlink/Board.h"
#include "standins/firmlink/SharedValues.h"

namespace firmsim {

class Firmware {
public:
    static Firmware& Instance();

    uint32_t Initialize();
    uint32_t WriteItem(uint32_t item, uint32_t value);
    uint32_t ReadItem(uint32_t item, uint32_t* value);
    uint32_t InterfaceInfo(void* buffer, uint32_t* size);
    uint32_t ListGroup(uint32_t group, void* buffer, uint32_t* size);
    // `described` receives the item number named by the list data (0 if none).
    uint32_t DescribeItem(const void* listData, void* buffer, uint32_t* size, uint32_t* described);
    uint32_t ReadItemLimit(uint32_t item, uint32_t argument, uint32_t* value);
    uint32_t ReadStoredProfile(uint32_t item, uint32_t index, void* buffer, uint32_t* size);

    uint32_t Reset();
    uint32_t SetFault(uint32_t item, uint32_t kinds);
    uint32_t FailOrdinal(uint32_t ordinal, uint32_t mode, uint32_t parameter, uint32_t seed);
    // Counts the call against the ordinal's fault; true when this call is
    // to fail.
    bool OrdinalFails(uint32_t ordinal);
    void ClearFaults();
    uint32_t Peek(uint32_t item, uint32_t core, uint32_t* value);
    uint32_t Poke(uint32_t item, uint32_t core, uint32_t value);
    // Replaces the board and refills the shared values from it; a refused
    // file leaves the current board in place.
    uint32_t LoadBoard(const char* path);
    const char* LastError() const { return m_lastError.c_str(); }

private:
    Firmware();
    bool Usable() const { return !m_refused && m_initialized; }
    bool Install(Board board, std::string& error);
    uint32_t SelectedCore() const;
    // The value slot a read of `item` on `core` refers to.
    uint32_t* ValueFor(SharedSlot& slot, const BoardItem& item, uint32_t core) const;
    bool Faulty(uint32_t item, uint32_t kind) const;

    std::mutex m_lock;
    Board m_board;
    bool m_refused = false;
    bool m_initialized = false;
    std::string m_lastError;
    std::string m_instance;
    SharedValues m_shared;
};

}  // namespace firmsim
