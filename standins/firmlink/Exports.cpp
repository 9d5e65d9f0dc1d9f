// The library's entry points: ordinals (see firmlink_dll.def) and the named
// extras of the simulated board. Each ordinal counts its calls and journals
// them; the extras do neither, so tests can look without disturbing.

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "standins/firmlink/Firmware.h"
#include "standins/firmlink/Journal.h"
#include "standins/firmlink/Package.h"
#include "standins/firmlink/firmlink.h"

using firmsim::Firmware;
using firmsim::JournalCall;

namespace {

constexpr uint32_t kHighestOrdinal = 13;
std::atomic<uint32_t> g_calls[kHighestOrdinal + 1];

void Count(uint32_t ordinal) { g_calls[ordinal].fetch_add(1, std::memory_order_relaxed); }

uint32_t Address(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

uint32_t SizeOut(const uint32_t* size) { return size ? *size : 0; }

}  // namespace

extern "C" {

uint32_t __stdcall FirmInitialize() {
    Count(1);
    const uint32_t result = Firmware::Instance().Initialize();
    JournalCall(1, {}, result);
    return result;
}

uint32_t __stdcall FirmWriteItem(uint32_t item, uint32_t value, uint32_t mode) {
    Count(2);
    const uint32_t result = Firmware::Instance().WriteItem(item, value);
    JournalCall(2, {item, value, mode}, result);
    return result;
}

uint32_t __stdcall FirmReadItem(uint32_t item, uint32_t* value) {
    Count(3);
    const uint32_t result = Firmware::Instance().ReadItem(item, value);
    if (result & 1) JournalCall(3, {item}, result, {*value});
    else JournalCall(3, {item}, result);
    return result;
}

uint32_t __stdcall FirmInterfaceInfo(void* buffer, uint32_t* size) {
    Count(4);
    const uint32_t result = Firmware::Instance().InterfaceInfo(buffer, size);
    JournalCall(4, {}, result, {SizeOut(size)});
    return result;
}

uint32_t __stdcall FirmListGroup(uint32_t group, void* buffer, uint32_t* size) {
    Count(5);
    const uint32_t result = Firmware::Instance().ListGroup(group, buffer, size);
    JournalCall(5, {group}, result, {SizeOut(size)});
    return result;
}

void* __stdcall FirmFirstElement(void* buffer) {
    Count(6);
    void* element = firmsim::FirstElement(buffer);
    JournalCall(6, {Address(buffer)}, Address(element));
    return element;
}

uint32_t __stdcall FirmElementCount(void* buffer) {
    Count(7);
    const uint32_t count = firmsim::ElementCount(buffer);
    JournalCall(7, {Address(buffer)}, count);
    return count;
}

void* __stdcall FirmElementData(void* element) {
    Count(9);
    void* data = firmsim::ElementData(element);
    JournalCall(9, {Address(element)}, Address(data));
    return data;
}

void* __stdcall FirmNextElement(void* element) {
    Count(10);
    void* next = firmsim::NextElement(element);
    JournalCall(10, {Address(element)}, Address(next));
    return next;
}

uint32_t __stdcall FirmDescribeItem(const void* listData, void* buffer, uint32_t* size) {
    Count(11);
    uint32_t item = 0;
    const uint32_t result = Firmware::Instance().DescribeItem(listData, buffer, size, &item);
    JournalCall(11, {item}, result, {SizeOut(size)});
    return result;
}

uint32_t __stdcall FirmReadItemLimit(uint32_t item, uint32_t argument, uint32_t* value) {
    Count(12);
    const uint32_t result = Firmware::Instance().ReadItemLimit(item, argument, value);
    if (result & 1) JournalCall(12, {item, argument}, result, {*value});
    else JournalCall(12, {item, argument}, result);
    return result;
}

uint32_t __stdcall FirmReadStoredProfile(uint32_t item, uint32_t index, void* buffer, uint32_t* size) {
    Count(13);
    const uint32_t result = Firmware::Instance().ReadStoredProfile(item, index, buffer, size);
    JournalCall(13, {item, index}, result, {SizeOut(size)});
    return result;
}

uint32_t __stdcall FirmSimReset() { return Firmware::Instance().Reset(); }

uint32_t __stdcall FirmSimSetFault(uint32_t item, uint32_t kinds) { return Firmware::Instance().SetFault(item, kinds); }

void __stdcall FirmSimClearFaults() { Firmware::Instance().ClearFaults(); }

uint32_t __stdcall FirmSimPeek(uint32_t item, uint32_t core, uint32_t* value) { return Firmware::Instance().Peek(item, core, value); }

uint32_t __stdcall FirmSimPoke(uint32_t item, uint32_t core, uint32_t value) { return Firmware::Instance().Poke(item, core, value); }

uint32_t __stdcall FirmSimCallCount(uint32_t ordinal) { return ordinal <= kHighestOrdinal ? g_calls[ordinal].load() : 0; }

void __stdcall FirmSimResetCounts() {
    for (auto& calls : g_calls) calls.store(0);
}

uint32_t __stdcall FirmSimLoadBoard(const char* path) { return Firmware::Instance().LoadBoard(path); }

const char* __stdcall FirmSimLastError() { return Firmware::Instance().LastError(); }

}  // extern "C"
