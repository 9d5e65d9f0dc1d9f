#pragma once
// The board firmware access library. The program imports ordinals 1-7 and
// 9-13 by number only (see firmlink.def); the names below exist only on our
// side of the import library and are not exported by the DLL.
//
// Package buffer
// --------------
// Ordinals 4, 5 and 11 fill a caller-owned buffer (4096 bytes; the caller
// passes its capacity through the size pointer, the library stores the bytes
// used). The buffer is a packed sequence of elements:
//
//   offset 0   uint32  element count
//   then, per element:
//     uint8   tag: 'I' for a 32-bit integer, 'S' for a zero-terminated string
//     uint32  payload length in bytes (4 for an integer; strlen + 1 for a string)
//     payload (little-endian integer, or the characters and their terminator)
//
// Payloads are not aligned. An element handle (ordinals 6 and 10) is the
// address of an element's tag byte; ordinal 9 gives the address of its
// payload. Handles stay valid only while the buffer is unchanged. A package
// that does not fit the capacity is not written and the call fails.

#include <cstdint>

#if defined(FIRMLINK_BUILDING_DLL)
#define FIRMLINK_EXTRA extern "C" __declspec(dllexport)
#else
#define FIRMLINK_EXTRA extern "C" __declspec(dllimport)
#endif

extern "C" {
// 1: initialise; repeating it is harmless.
uint32_t __stdcall FirmInitialize();
// 2: write an item's step index; bit 0 of the result means success.
uint32_t __stdcall FirmWriteItem(uint32_t item, uint32_t value, uint32_t mode);
// 3: read an item's step index (a bit field for flag items).
uint32_t __stdcall FirmReadItem(uint32_t item, uint32_t* value);
// 4: interface information; elements from the third on are integers.
uint32_t __stdcall FirmInterfaceInfo(void* buffer, uint32_t* size);
// 5: list a group, one element per item.
uint32_t __stdcall FirmListGroup(uint32_t group, void* buffer, uint32_t* size);
// 6, 7, 9, 10: walk a package.
void* __stdcall FirmFirstElement(void* buffer);
uint32_t __stdcall FirmElementCount(void* buffer);
void* __stdcall FirmElementData(void* element);
void* __stdcall FirmNextElement(void* element);
// 11: describe the item behind a group-list element's data pointer.
uint32_t __stdcall FirmDescribeItem(const void* listData, void* buffer, uint32_t* size);
// 12: read an item limit; the high 16 bits of the out value are the limit.
uint32_t __stdcall FirmReadItemLimit(uint32_t item, uint32_t argument, uint32_t* value);
// 13: read a built-in profile: words, word 0 unused, then number/value pairs
// until number 0xFFFFFFFF or the end of the returned size.
uint32_t __stdcall FirmReadStoredProfile(uint32_t item, uint32_t index, void* buffer, uint32_t* size);
}

constexpr uint32_t kFirmPackageCapacity = 4096;

// Extras of the simulated board, exported by name and looked up at run time
// (GetProcAddress) by tests and tools, so that the program never depends on
// them and the real library can be dropped in.
enum FirmFaultKind : uint32_t {
    kFirmFaultRead = 1,      // ordinal 3 fails for the item
    kFirmFaultWrite = 2,     // ordinal 2 fails for the item
    kFirmFaultDescribe = 4,  // ordinal 11 fails for the item
    kFirmFaultListGroup = 8  // ordinal 5 fails for the group (item = group number)
};

using FirmResetFn = uint32_t(__stdcall*)();                                       // "FirmSimReset"
using FirmSetFaultFn = uint32_t(__stdcall*)(uint32_t item, uint32_t kinds);       // "FirmSimSetFault"
using FirmClearFaultsFn = void(__stdcall*)();                                     // "FirmSimClearFaults"
using FirmPeekFn = uint32_t(__stdcall*)(uint32_t item, uint32_t core, uint32_t* value);  // "FirmSimPeek"
using FirmPokeFn = uint32_t(__stdcall*)(uint32_t item, uint32_t core, uint32_t value);   // "FirmSimPoke"
using FirmCallCountFn = uint32_t(__stdcall*)(uint32_t ordinal);                   // "FirmSimCallCount"
using FirmResetCountsFn = void(__stdcall*)();                                     // "FirmSimResetCounts"
