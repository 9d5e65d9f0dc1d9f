#pragma once
// The profile file's layout and the checks both deliverables make of it:
// the program reads profiles, the dialog library judges the file the
// profile writer leaves behind.
//
// Layout (unsigned 32-bit little-endian words, no padding, no trailer): a
// header word nobody reads, the format version (0 or 1), the entry count,
// then per entry the item number and its value.

#include "base/Handles.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace kiln {

inline constexpr uint64_t kProfileHeadBytes = 12;
inline constexpr uint64_t kProfileEntryBytes = 8;
inline constexpr uint32_t kNewestProfileVersion = 1;

struct ProfileHead {
    uint32_t header = 0;
    uint32_t version = 0;
    uint32_t count = 0;
    // The whole file, head included.
    uint64_t bytes = 0;

    // The whole entries after the head, whatever the count says.
    uint64_t EntriesPresent() const;
    // Exactly the entries the count says and nothing after them.
    bool IsWhole() const;
};

// The profile file at `path` opened for reading at its start; empty when it
// cannot be opened.
base::FileHandle OpenProfileFile(const std::string& path);

// Reads the head of a file opened for reading at its start, leaving the
// file at the first entry. False when the head is short, the version is
// later than this program reads, or the file's size cannot be known.
bool ReadProfileHead(HANDLE file, ProfileHead& head);

// The file at `path` reads as a profile and holds it whole: the head, a
// version that is read, and exactly the entries its count says.
bool IsWholeProfileFile(const std::string& path);

}  // namespace kiln
