#pragma once
// The maker's overclocking library, of which the dialog library uses one
// entry, imported by ordinal (see standins/velolib/velolib.def).
//
// 13  Writes the board's current, applied tuning state to `path` (a full
//     path, zero-terminated 8-bit string) as a profile file, replacing any
//     file there. Bit 0 of the result means the file was written; callers
//     of the maker's library do not rely on the result.
//
// The stand-in reads the board through the firmware access library: the
// processor ratio once per core (through the core selector), then every
// other group-3 item that is not skipped, in firmware order; a skipped
// ratio is left out. A profile holds every setting or is not written: when
// an item's description or value, or one core's ratio, cannot be read,
// nothing is written. It writes the
// profile format of the program (header word 0x46504556, version 1, entry
// count, item/value pairs) to a temporary file beside the target and then
// moves it over the target, so a failure leaves the old file, or none,
// never half a profile. When group 3 cannot be listed, or its list cannot be
// walked whole, nothing is written either.
//
// Tests of its callers make it write as a less careful library might, with
// VELOLIB_WRITE in the environment (read on every call): "cut" truncates
// the target and leaves half a profile there, reporting failure;
// "same-times" rewrites the target in place and puts its old file times
// back, as a coarse file-system clock would show a quick rewrite.
//
// Link the CMake target `velolib` to import by ordinal; the DLL itself is
// the target `velolib_dll` (bin/velolib.dll).

#include <cstdint>

extern "C" {
// 13: write the current state as a profile file.
uint32_t __stdcall VeloWriteProfile(const char* path);
}
