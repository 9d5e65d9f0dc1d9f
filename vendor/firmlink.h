#pragma once
// The board firmware access library. The program imports ordinals 1-7 and
// 9-13 by number only (see standins/firmlink/firmlink.def); the names below
// exist only on our side of the import library and are not exported by the
// DLL.
//
// Link the CMake target `firmlink` to import by ordinal; the DLL itself is
// the target `firmlink_dll` (bin/firmlink.dll).
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
// payload. Handles stay valid only while the buffer is unchanged. Ordinal 6
// gives null for a package without elements; ordinal 10 does not know the
// count and simply steps past the element, so walk no further than ordinal 7
// says. A package that does not fit the capacity is not written and the call
// fails. Whenever ordinal 4, 5 or 11 fails, the buffer holds an empty package
// (count 0, size 4) if 4 bytes fit, so a caller that ignores the result reads
// no elements.
//
// Contents
// --------
// 4  interface information: two strings (board vendor, firmware version),
//    then integers; the top byte of the second integer (the fourth element)
//    is the firmware's interface revision.
// 5  one integer element per item of the group: the item number. Ordinal 11
//    takes the data pointer of such an element (ordinal 9) and describes the
//    item whose number it points at. Groups the board lacks fail.
// 11 number, name, attribute word, default index, then for number items the
//    base word, step word, numeric step count and, when the item has extra
//    strings, their count k and the k strings; for string items the count S
//    and the S strings; nothing more for boolean items (kind code 7).
// 12 only the board's limit table (0x030600F1) answers; the argument is the
//    low 16 bits of an item number; the out value's high 16 bits are that
//    item's highest safe step index, 0 when it has no limit.
// 13 words: word 0 is the number of pairs, then item number / value pairs,
//    then 0xFFFFFFFF. Index = position of the profile name in the string item.
//
// Values
// ------
// Every value is a step index and a write at or beyond the item's step count
// fails and changes nothing. Flag items (number items without a step table,
// such as capability items and option words) take any value; boolean items
// take 0 and 1. Writing core c to the core selector 0x030600F0 makes later
// reads and writes of per-core items (the CPU ratio) act on core c; 255
// selects every core: a write then commits the values each core already holds
// (it changes none of them, and still fails for an index outside the step
// table) and reads report the last core. Values are one per
// machine: they live in shared memory named after FIRMLINK_INSTANCE (default
// "default"), so every process of one instance sees the same board. Like
// real firmware the board keeps its values when no process runs: every
// change is saved in the instance's state file (see FIRMLINK_STATE_DIR), and
// the first process to open an instance starts from the board file's values
// with the saved ones laid over them. Resetting the board, or loading a
// board with FirmSimLoadBoard, deletes the state file.
//
// Ordinal 1 must come first in each process: until then ordinals 2-5 and 11-13
// fail (the walking ordinals 6, 7, 9, 10 only look at the buffer).
//
// Environment
// -----------
// FIRMLINK_BOARD    path of a board file (JSON, see
//                   standins/firmlink/boards/README.md); without it the
//                   built-in board is used.
// FIRMLINK_INSTANCE names the simulated machine (shared values).
// FIRMLINK_STATE_DIR folder of the state files; without it
//                   %LOCALAPPDATA%\firmlink. Each instance saves to
//                   <instance>.state there (bytes of the name other than
//                   letters, digits and "-_." spelled %XX), a text file
//                   written whole beside it and then moved over it, so no
//                   reader or second writer ever finds half a file. A file
//                   that is damaged, is no state file, or belongs to another
//                   instance or another board is ignored: the board's own
//                   values are used, the file is moved to <name>.state.bad
//                   and one message says so (reported like a refused board).
// FIRMLINK_JOURNAL  when set, every ordinal call appends one line to that file:
//                   "<ordinal> <arguments> -> <result> <outputs>", each number
//                   as 0x%08X, fields separated by one space, "\n" at the end.
//                   Arguments and outputs by ordinal:
//                     1  -                     -> result
//                     2  item value mode       -> result
//                     3  item                  -> result value (value only on success)
//                     4  -                     -> result bytes
//                     5  group                 -> result bytes
//                     6  buffer address        -> element address
//                     7  buffer address        -> element count
//                     9  element address       -> data address
//                     10 element address       -> next element address
//                     11 item (read from the list data) -> result bytes
//                     12 item argument         -> result value (value only on success)
//                     13 item index            -> result bytes
//                   e.g. "2 0x03010011 0x00000005 0x00000002 -> 0x00000001".
// FIRMLINK_QUIET    when set, a refused board file is reported only on the
//                   debugger output and standard error, without a message box.
//
// A refused board file (malformed JSON or inconsistent contents) loads
// nothing: the library then acts as a board with no groups on which every
// ordinal fails, and FirmSimLastError gives the message, which names the file,
// the line and what is wrong.

#include <cstdint>

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
// (GetProcAddress; standins/firmlink/FirmSim.h has a helper) by tests and
// tools, so that the program never depends on them and the real library can
// be dropped in. They neither count nor journal, and need no ordinal 1.
enum FirmFaultKind : uint32_t {
    kFirmFaultRead = 1,      // ordinals 3, 12 and 13 fail for the item
    kFirmFaultWrite = 2,     // ordinal 2 fails for the item
    kFirmFaultDescribe = 4,  // ordinal 11 fails for the item
    kFirmFaultListGroup = 8  // ordinal 5 fails for the group (item = group number)
};

// How FirmSimFailOrdinal makes an ordinal fail.
enum FirmOrdinalFailure : uint32_t {
    kFirmFailNever = 0,        // the ordinal works again
    kFirmFailEveryCall = 1,    // every call fails
    kFirmFailNthCall = 2,      // only call number N (1 = the next call) fails
    kFirmFailFromNthCall = 3,  // call N and every later one fail
    kFirmFailRandomly = 4      // each call fails with probability N/1000, drawn from the seed
};

// Every value, the selected core and every fault back to the board file's;
// the instance's state file is deleted.
using FirmResetFn = uint32_t(__stdcall*)();  // "FirmSimReset"
// Replaces the item's read/write/describe fault bits with `kinds` (0 clears
// them), or with kFirmFaultListGroup alone makes group `item` unlistable.
// Fails for items or groups the board lacks. Faults are machine-wide.
using FirmSetFaultFn = uint32_t(__stdcall*)(uint32_t item, uint32_t kinds);  // "FirmSimSetFault"
// Makes one ordinal (1-7, 9-13) fail as `mode` says, for every process of
// the machine, whatever its arguments; N is `parameter`. Calls are counted
// from this call on, by every process together, so a count or a seed gives
// the same failures whenever the program makes the same calls. A failing
// call does what the ordinal does when it fails by itself: it changes
// nothing and returns 0 (ordinals 6, 9 and 10: null); ordinals 3 and 12
// store no value; ordinals 4, 5 and 11 leave an empty package; a failing
// ordinal 1 leaves a process that has not initialised uninitialised. Failing
// calls count and journal like others. Fails (returns 0) for an unknown
// ordinal or mode, N = 0 in the counted modes, or N above 1000 in the random
// one. FirmSimClearFaults, FirmSimReset and FirmSimLoadBoard end it.
using FirmFailOrdinalFn = uint32_t(__stdcall*)(uint32_t ordinal, uint32_t mode, uint32_t parameter,
                                               uint32_t seed);  // "FirmSimFailOrdinal"
// Every item, group and ordinal fault off.
using FirmClearFaultsFn = void(__stdcall*)();                                // "FirmSimClearFaults"
// Read or store a value directly, ignoring faults, the selector and the step
// table (so tests can create states real firmware might report). `core`
// matters only for per-core items: 0..count-1, or 255 (peek: the last core,
// poke: every core).
using FirmPeekFn = uint32_t(__stdcall*)(uint32_t item, uint32_t core, uint32_t* value);  // "FirmSimPeek"
using FirmPokeFn = uint32_t(__stdcall*)(uint32_t item, uint32_t core, uint32_t value);   // "FirmSimPoke"
// Ordinal calls made by this process since load or the last reset of counts.
using FirmCallCountFn = uint32_t(__stdcall*)(uint32_t ordinal);  // "FirmSimCallCount"
using FirmResetCountsFn = void(__stdcall*)();                    // "FirmSimResetCounts"
// Replaces this process's board with a board file (null or "" = the built-in
// board) and refills the machine's values from it, deleting the state file;
// 0 when the file is refused, which leaves the board in use as it was.
using FirmLoadBoardFn = uint32_t(__stdcall*)(const char* path);  // "FirmSimLoadBoard"
// The message of the last refused board ("" when none); valid until the next
// FirmSimLoadBoard.
using FirmLastErrorFn = const char*(__stdcall*)();  // "FirmSimLastError"
