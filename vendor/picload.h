#pragma once
// The PNG reader library, picload.dll. The program loads it at run time from
// its own folder and looks both entry points up by name (see
// standins/picload/picload.def); it does not link against it.
//
// ReadPngEx pulls the file's bytes through the caller's read function, which
// delivers up to `count` bytes into `buffer` and returns how many it
// delivered. Nonzero means the record holds the image; its rows then belong
// to the library until FreePngData gives them back. A failed read hands back
// no rows.

#include <cstdint>

// The decoded image: 24 bytes in the 32-bit build, as the library was built
// for; natural alignment in the 64-bit one.
struct PngImageRecord {
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t bitDepth;   // not used by the program
    std::uint32_t colorType;  // 6: R, G, B, A bytes; anything else: R, G, B
    std::uint32_t channels;   // not used by the program
    std::uint8_t** rows;      // `height` pointers, top row first
};
static_assert(sizeof(void*) != 4 || sizeof(PngImageRecord) == 24, "the 32-bit reader library expects a 24-byte record");

using PngReadFunction = std::uint32_t(__stdcall*)(void* user, void* buffer, std::uint32_t count);

extern "C" {
int __stdcall ReadPngEx(PngImageRecord* record, PngReadFunction read, void* user);
void __stdcall FreePngData(PngImageRecord* record);
}

// The entry points as GetProcAddress hands them over.
using ReadPngExFunction = decltype(&ReadPngEx);
using FreePngDataFunction = decltype(&FreePngData);
