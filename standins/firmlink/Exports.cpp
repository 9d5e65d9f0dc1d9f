// The library's entry points: ordinals (see firmlink_dll.def) and the named
// extras of the simulated board. Each ordinal counts its calls and journals
// them; the extras do neither, so tests can look without disturbing.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstring>

#include "standins/firmlink/Firmware.h"
#include "standins/firmlink/Journal.h"
#include "standins/firmlink/Package.h"
#include "vendor/firmlink.h"

using firmsim::Firmware;
using firmsim::JournalCall;

namespace {

using firmsim::kHighestOrdinal;
std::atomic<uint32_t> g_calls[kHighestOrdinal + 1];

void Count(uint32_t ordinal) { g_calls[ordinal].fetch_add(1, std::memory_order_relaxed); }

// Counts the call and answers whether FirmSimFailOrdinal makes it fail.
bool Failing(uint32_t ordinal) {
    Count(ordinal);
    return Firmware::Instance().OrdinalFails(ordinal);
}

uint32_t Address(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

uint32_t SizeOut(const uint32_t* size) { return size ? *size : 0; }

}  // namespace

extern "C" {

uint32_t __stdcall FirmInitialize() {
    const uint32_t result = Failing(1) ? 0 : Firmware::Instance().Initialize();
    JournalCall(1, {}, result);
    return result;
}

uint32_t __stdcall FirmWriteItem(uint32_t item, uint32_t value, uint32_t mode) {
    const uint32_t result = Failing(2) ? 0 : Firmware::Instance().WriteItem(item, value);
    JournalCall(2, {item, value, mode}, result);
    return result;
}

uint32_t __stdcall FirmReadItem(uint32_t item, uint32_t* value) {
    const uint32_t result = Failing(3) ? 0 : Firmware::Instance().ReadItem(item, value);
    if (result & 1) JournalCall(3, {item}, result, {*value});
    else JournalCall(3, {item}, result);
    return result;
}

uint32_t __stdcall FirmInterfaceInfo(void* buffer, uint32_t* size) {
    uint32_t result = 0;
    if (Failing(4))
        firmsim::WriteEmptyPackage(buffer, size);
    else
        result = Firmware::Instance().InterfaceInfo(buffer, size);
    JournalCall(4, {}, result, {SizeOut(size)});
    return result;
}

uint32_t __stdcall FirmListGroup(uint32_t group, void* buffer, uint32_t* size) {
    uint32_t result = 0;
    if (Failing(5))
        firmsim::WriteEmptyPackage(buffer, size);
    else
        result = Firmware::Instance().ListGroup(group, buffer, size);
    JournalCall(5, {group}, result, {SizeOut(size)});
    return result;
}

void* __stdcall FirmFirstElement(void* buffer) {
    void* element = Failing(6) ? nullptr : firmsim::FirstElement(buffer);
    JournalCall(6, {Address(buffer)}, Address(element));
    return element;
}

uint32_t __stdcall FirmElementCount(void* buffer) {
    const uint32_t count = Failing(7) ? 0 : firmsim::ElementCount(buffer);
    JournalCall(7, {Address(buffer)}, count);
    return count;
}

void* __stdcall FirmElementData(void* element) {
    void* data = Failing(9) ? nullptr : firmsim::ElementData(element);
    JournalCall(9, {Address(element)}, Address(data));
    return data;
}

void* __stdcall FirmNextElement(void* element) {
    void* next = Failing(10) ? nullptr : firmsim::NextElement(element);
    JournalCall(10, {Address(element)}, Address(next));
    return next;
}

uint32_t __stdcall FirmDescribeItem(const void* listData, void* buffer, uint32_t* size) {
    uint32_t item = 0;
    uint32_t result = 0;
    if (Failing(11)) {
        if (listData) std::memcpy(&item, listData, sizeof item);
        firmsim::WriteEmptyPackage(buffer, size);
    } else {
        result = Firmware::Instance().DescribeItem(listData, buffer, size, &item);
    }
    JournalCall(11, {item}, result, {SizeOut(size)});
    return result;
}

uint32_t __stdcall FirmReadItemLimit(uint32_t item, uint32_t argument, uint32_t* value) {
    const uint32_t result = Failing(12) ? 0 : Firmware::Instance().ReadItemLimit(item, argument, value);
    if (result & 1) JournalCall(12, {item, argument}, result, {*value});
    else JournalCall(12, {item, argument}, result);
    return result;
}

uint32_t __stdcall FirmReadStoredProfile(uint32_t item, uint32_t index, void* buffer, uint32_t* size) {
    const uint32_t result = Failing(13) ? 0 : Firmware::Instance().ReadStoredProfile(item, index, buffer, size);
    JournalCall(13, {item, index}, result, {SizeOut(size)});
    return result;
}

uint32_t __stdcall FirmSimReset() { return Firmware::Instance().Reset(); }

uint32_t __stdcall FirmSimSetFault(uint32_t item, uint32_t kinds) { return Firmware::Instance().SetFault(item, kinds); }

void __stdcall FirmSimClearFaults() { Firmware::Instance().ClearFaults(); }

uint32_t __stdcall FirmSimFailOrdinal(uint32_t ordinal, uint32_t mode, uint32_t parameter, uint32_t seed) {
    return Firmware::Instance().FailOrdinal(ordinal, mode, parameter, seed);
}

uint32_t __stdcall FirmSimPeek(uint32_t item, uint32_t core, uint32_t* value) { return Firmware::Instance().Peek(item, core, value); }

uint32_t __stdcall FirmSimPoke(uint32_t item, uint32_t core, uint32_t value) { return Firmware::Instance().Poke(item, core, value); }

uint32_t __stdcall FirmSimCallCount(uint32_t ordinal) { return ordinal <= kHighestOrdinal ? g_calls[ordinal].load() : 0; }

void __stdcall FirmSimResetCounts() {
    for (auto& calls : g_calls) calls.store(0);
}

uint32_t __stdcall FirmSimLoadBoard(const char* path) { return Firmware::Instance().LoadBoard(path); }

const char* __stdcall FirmSimLastError() { return Firmware::Instance().LastError(); }

}  // extern "C"
