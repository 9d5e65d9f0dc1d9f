#include "standins/firmlink/Firmware.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "standins/firmlink/BoardParser.h"
#include "standins/firmlink/DefaultBoard.h"
#include "standins/firmlink/Host.h"
#include "standins/firmlink/ItemDescription.h"
#include "standins/firmlink/Package.h"
#include "vendor/firmlink.h"

namespace firmsim {
namespace {

constexpr uint32_t kOk = 1;
constexpr uint32_t kFailed = 0;

}  // namespace

Firmware& Firmware::Instance() {
    static Firmware firmware;
    return firmware;
}

Firmware::Firmware() {
    m_instance = Environment("FIRMLINK_INSTANCE");
    if (m_instance.empty()) m_instance = "default";
    const std::string path = Environment("FIRMLINK_BOARD");
    Board board;
    std::string error;
    const bool parsed = path.empty() ? ParseBoard(kDefaultBoardJson, "The built-in board", board, error)
                                     : LoadBoardFile(path, board, error);
    if (!parsed || !Install(std::move(board), error)) {
        // Refused whole: the library then acts as a board with no groups on
        // which every call fails.
        m_refused = true;
        m_lastError = error;
        // A refused board must be noticed by whoever runs the program, and
        // by tests without anyone clicking.
        ReportProblem(error);
    }
}

bool Firmware::Install(Board board, std::string& error) {
    if (!m_shared.IsOpen()) {
        if (!m_shared.Open(m_instance, board, error)) return false;
    } else {
        SharedValues::Lock lock(m_shared);
        m_shared.LoadFrom(board);
    }
    m_board = std::move(board);
    return true;
}

uint32_t Firmware::LoadBoard(const char* path) {
    std::lock_guard guard(m_lock);
    Board board;
    std::string error;
    const bool parsed = path && *path ? LoadBoardFile(path, board, error) : ParseBoard(kDefaultBoardJson, "The built-in board", board, error);
    const bool fresh = !m_shared.IsOpen();
    if (!parsed || !Install(std::move(board), error)) {
        m_lastError = error;
        return kFailed;
    }
    if (fresh) {
        // The first board of this process may have found older values: a
        // board that is loaded on purpose starts the machine afresh.
        SharedValues::Lock lock(m_shared);
        m_shared.LoadFrom(m_board);
    }
    m_refused = false;
    m_lastError.clear();
    return kOk;
}

uint32_t Firmware::Initialize() {
    std::lock_guard guard(m_lock);
    if (m_refused) return kFailed;
    m_initialized = true;
    return kOk;
}

bool Firmware::Faulty(uint32_t item, uint32_t kind) const {
    bool faulty = false;
    m_shared.ReadConsistent([&] {
        const SharedSlot* slot = m_shared.Find(item);
        faulty = slot && (slot->faults & kind) != 0;
    });
    return faulty;
}

uint32_t Firmware::SelectedCore() const {
    const SharedSlot* selector = m_board.FindItem(kCoreSelector) ? m_shared.Find(kCoreSelector) : nullptr;
    return selector ? selector->values[0] : 0;
}

uint32_t* Firmware::ValueFor(SharedSlot& slot, const BoardItem& item, uint32_t core) const {
    if (!item.perCore) return &slot.values[0];
    // With every core selected a read reports the last core, the one the
    // program itself reads when cores are not set one by one.
    if (core == kAllCores) core = m_board.coreCount - 1;
    return core < m_board.coreCount ? &slot.values[core] : nullptr;
}

uint32_t Firmware::WriteItem(uint32_t item, uint32_t value) {
    std::lock_guard guard(m_lock);
    if (!Usable()) return kFailed;
    const BoardItem* def = m_board.FindItem(item);
    if (!def) return kFailed;
    SharedValues::Lock lock(m_shared);
    SharedSlot* slot = m_shared.Find(item);
    if (!slot || (slot->faults & kFirmFaultWrite)) return kFailed;
    if (item == kCoreSelector) {
        if (value >= m_board.coreCount && value != kAllCores) return kFailed;
        slot->values[0] = value;
        return kOk;
    }
    if (!def->IsValidIndex(value)) return kFailed;
    const uint32_t core = def->perCore ? SelectedCore() : 0;
    // With every core selected a write is the closing commit of values that
    // were set core by core beforehand: each core keeps its own.
    if (def->perCore && core == kAllCores) return kOk;
    uint32_t* target = ValueFor(*slot, *def, core);
    if (!target) return kFailed;
    *target = value;
    return kOk;
}

uint32_t Firmware::ReadItem(uint32_t item, uint32_t* value) {
    std::lock_guard guard(m_lock);
    if (!Usable() || !value) return kFailed;
    const BoardItem* def = m_board.FindItem(item);
    if (!def) return kFailed;
    bool found = false;
    uint32_t read = 0;
    m_shared.ReadConsistent([&] {
        SharedSlot* slot = m_shared.Find(item);
        const uint32_t* source =
            slot && !(slot->faults & kFirmFaultRead) ? ValueFor(*slot, *def, def->perCore ? SelectedCore() : 0) : nullptr;
        found = source != nullptr;
        if (found) read = *source;
    });
    if (!found) return kFailed;
    *value = read;
    return kOk;
}

uint32_t Firmware::InterfaceInfo(void* buffer, uint32_t* size) {
    std::lock_guard guard(m_lock);
    PackageBuilder package;
    for (const auto& text : m_board.infoStrings) package.String(text);
    for (uint32_t word : m_board.infoWords) package.Integer(word);
    if (Usable() && package.WriteTo(buffer, size)) return kOk;
    WriteEmptyPackage(buffer, size);
    return kFailed;
}

uint32_t Firmware::ListGroup(uint32_t group, void* buffer, uint32_t* size) {
    std::lock_guard guard(m_lock);
    const BoardGroup* def = Usable() && group < 256 ? m_board.FindGroup(group) : nullptr;
    if (def) {
        bool faulty = false;
        m_shared.ReadConsistent([&] { faulty = m_shared.GroupFault(group); });
        if (faulty) def = nullptr;
    }
    if (def && GroupListPackage(*def).WriteTo(buffer, size)) return kOk;
    WriteEmptyPackage(buffer, size);
    return kFailed;
}

uint32_t Firmware::DescribeItem(const void* listData, void* buffer, uint32_t* size, uint32_t* described) {
    std::lock_guard guard(m_lock);
    uint32_t number = 0;
    if (listData) std::memcpy(&number, listData, sizeof number);
    if (described) *described = number;
    const BoardItem* def = Usable() && listData ? m_board.FindItem(number) : nullptr;
    if (def && Faulty(number, kFirmFaultDescribe)) def = nullptr;
    if (def && DescribeItemPackage(*def).WriteTo(buffer, size)) return kOk;
    WriteEmptyPackage(buffer, size);
    return kFailed;
}

uint32_t Firmware::ReadItemLimit(uint32_t item, uint32_t argument, uint32_t* value) {
    std::lock_guard guard(m_lock);
    if (!Usable() || !value) return kFailed;
    const BoardItem* def = m_board.FindItem(item);
    if (!def || !def->limitTable) return kFailed;
    if (Faulty(item, kFirmFaultRead)) return kFailed;
    uint32_t limit = 0;
    for (const ItemLimit& entry : def->limits)
        if (entry.argument == argument) limit = entry.limit;
    *value = limit << 16;
    return kOk;
}

uint32_t Firmware::ReadStoredProfile(uint32_t item, uint32_t index, void* buffer, uint32_t* size) {
    std::lock_guard guard(m_lock);
    if (!Usable() || !buffer || !size) return kFailed;
    const BoardItem* def = m_board.FindItem(item);
    if (!def || index >= def->profiles.size()) return kFailed;
    if (Faulty(item, kFirmFaultRead)) return kFailed;
    const std::vector<uint32_t> words = StoredProfileWords(def->profiles[index]);
    const auto bytes = static_cast<uint32_t>(words.size() * sizeof(uint32_t));
    if (*size < bytes) return kFailed;
    std::memcpy(buffer, words.data(), bytes);
    *size = bytes;
    return kOk;
}

uint32_t Firmware::Reset() {
    std::lock_guard guard(m_lock);
    if (m_refused) return kFailed;
    SharedValues::Lock lock(m_shared);
    m_shared.LoadFrom(m_board);
    return kOk;
}

uint32_t Firmware::SetFault(uint32_t item, uint32_t kinds) {
    std::lock_guard guard(m_lock);
    if (m_refused) return kFailed;
    SharedValues::Lock lock(m_shared);
    if (kinds & kFirmFaultListGroup) {
        if (kinds != kFirmFaultListGroup || !m_board.FindGroup(item)) return kFailed;
        m_shared.SetGroupFault(item, true);
        return kOk;
    }
    const uint32_t itemKinds = kFirmFaultRead | kFirmFaultWrite | kFirmFaultDescribe;
    SharedSlot* slot = m_board.FindItem(item) ? m_shared.Find(item) : nullptr;
    if (!slot || (kinds & ~itemKinds)) return kFailed;
    slot->faults = kinds;
    return kOk;
}

void Firmware::ClearFaults() {
    std::lock_guard guard(m_lock);
    if (m_refused) return;
    SharedValues::Lock lock(m_shared);
    SharedBlock& block = m_shared.block();
    for (uint32_t i = 0; i < block.slotCount && i < kMaxSharedSlots; ++i) block.slots[i].faults = 0;
    std::memset(block.groupFaults, 0, sizeof block.groupFaults);
    std::memset(block.ordinalFaults, 0, sizeof block.ordinalFaults);
}

uint32_t Firmware::FailOrdinal(uint32_t ordinal, uint32_t mode, uint32_t parameter, uint32_t seed) {
    const bool known = ordinal >= 1 && ordinal <= kHighestOrdinal && ordinal != 8;
    const bool counted = mode == kFirmFailNthCall || mode == kFirmFailFromNthCall;
    if (!known || mode > kFirmFailRandomly || (counted && parameter == 0) ||
        (mode == kFirmFailRandomly && parameter > 1000))
        return kFailed;
    std::lock_guard guard(m_lock);
    if (m_refused) return kFailed;
    SharedValues::Lock lock(m_shared);
    // A zero state would keep the generator at zero for ever.
    m_shared.block().ordinalFaults[ordinal] = OrdinalFault{mode, parameter, 0, seed ? seed : 0x9E3779B9u};
    return kOk;
}

bool Firmware::OrdinalFails(uint32_t ordinal) {
    if (ordinal > kHighestOrdinal) return false;
    std::lock_guard guard(m_lock);
    // Most calls find no fault set; they need not wait for the machine's lock.
    if (m_refused || !m_shared.IsOpen() || m_shared.block().ordinalFaults[ordinal].mode == kFirmFailNever)
        return false;
    SharedValues::Lock lock(m_shared);
    OrdinalFault& fault = m_shared.block().ordinalFaults[ordinal];
    const uint32_t call = ++fault.calls;
    switch (fault.mode) {
    case kFirmFailEveryCall:
        return true;
    case kFirmFailNthCall:
        return call == fault.parameter;
    case kFirmFailFromNthCall:
        return call >= fault.parameter;
    case kFirmFailRandomly: {
        // xorshift32: the same seed gives the same failures in the same
        // sequence of calls, whichever process makes them.
        uint32_t x = fault.random;
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        fault.random = x;
        return x % 1000 < fault.parameter;
    }
    default:
        return false;
    }
}

uint32_t Firmware::Peek(uint32_t item, uint32_t core, uint32_t* value) {
    std::lock_guard guard(m_lock);
    const BoardItem* def = m_refused ? nullptr : m_board.FindItem(item);
    if (!def || !value) return kFailed;
    SharedValues::Lock lock(m_shared);
    SharedSlot* slot = m_shared.Find(item);
    const uint32_t* source = slot ? ValueFor(*slot, *def, core) : nullptr;
    if (!source) return kFailed;
    *value = *source;
    return kOk;
}

uint32_t Firmware::Poke(uint32_t item, uint32_t core, uint32_t value) {
    std::lock_guard guard(m_lock);
    const BoardItem* def = m_refused ? nullptr : m_board.FindItem(item);
    if (!def) return kFailed;
    SharedValues::Lock lock(m_shared);
    SharedSlot* slot = m_shared.Find(item);
    if (!slot) return kFailed;
    if (def->perCore && core == kAllCores) {
        for (uint32_t c = 0; c < m_board.coreCount; ++c) slot->values[c] = value;
        return kOk;
    }
    uint32_t* target = ValueFor(*slot, *def, core);
    if (!target) return kFailed;
    *target = value;
    return kOk;
}

}  // namespace firmsim
