#pragma once
// Firmware item numbers and the operations on one item by number. Every call
// here is a round trip to the firmware (through ACPI on a real board), so
// callers keep what they learn instead of asking again.

#include <cstdint>
#include <vector>

namespace kiln {

// Source path reported by this unit's assertions.
inline constexpr const char* kBiosInterfaceSource = "kiln/arvex/Source/BiosInterface";

inline constexpr uint32_t kPackageCapacity = 4096;

// Write modes of the firmware library.
inline constexpr uint32_t kWriteModeSelect = 1;  // core selector and switch items
inline constexpr uint32_t kWriteModeTuning = 2;  // tuning values

// Bit fields of an item number.
inline constexpr uint32_t ItemGroup(uint32_t number) { return number >> 24; }
inline constexpr uint32_t ItemExtraFlag(uint32_t number) { return (number >> 20) & 0xF; }
inline constexpr uint32_t ItemKind(uint32_t number) { return (number >> 16) & 0xF; }
inline constexpr uint32_t ItemLocal(uint32_t number) { return number & 0xFFFF; }

inline constexpr uint32_t kKindString = 8;
inline constexpr uint32_t kKindBoolean = 7;
inline constexpr uint32_t kExtraStringsFlag = 8;

// Digits after the decimal point implied by a number item's kind code.
inline constexpr int DecimalShift(uint32_t kind) {
    switch (kind) {
        case 1: return 2;
        case 2: return 3;
        case 3: return 4;
        case 12: return 3;
        default: return 0;
    }
}

// Walks the item's whole group; cache the answer.
bool IsItemPresent(uint32_t number);
// The same question for several numbers, walking each group involved once
// and stopping as soon as all of a group's numbers are found.
std::vector<bool> AreItemsPresent(const std::vector<uint32_t>& numbers);

// Every firmware call answers with a result word whose bit 0 tells success.
inline bool Succeeded(uint32_t result) {
    return (result & 1) != 0;
}

bool GetItemValue(uint32_t number, uint32_t& value);
// Writes with the selector mode; true when the library reports success.
bool SetItemValue(uint32_t number, uint32_t value);
// Returns the library's whole result word.
uint32_t SetItemValueMode(uint32_t number, uint32_t value, uint32_t mode);
bool GetItemLimit(uint32_t number, uint32_t argument, uint32_t& value);

// Copies `count` integers of the interface information, starting `first`
// integers in, into `out`; copies fewer (none when `first` is past the end)
// when the firmware offers fewer. Always true. `packageElements`, when
// given, receives the number of elements the firmware answered with: 0 when
// the call failed (a failed call leaves an empty package).
bool ReadInterfaceInfo(uint32_t* out, uint32_t first, uint32_t count, uint32_t* packageElements = nullptr);

}  // namespace kiln
