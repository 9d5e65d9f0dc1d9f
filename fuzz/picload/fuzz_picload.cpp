// PNG files through the PNG reader library's real entry points, delivered
// by a read function in pieces of varying size, as a file stream would. A
// decoded image must hand back every row it claims, whole.

#include "vendor/picload.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Source {
    const uint8_t* data;
    size_t size;
    size_t at;
    uint32_t piece;  // largest delivery; 0 = as much as asked
};

std::uint32_t __stdcall Deliver(void* user, void* buffer, std::uint32_t count) {
    auto& source = *static_cast<Source*>(user);
    size_t n = source.size - source.at;
    if (n > count) n = count;
    if (source.piece && n > source.piece) n = source.piece;
    std::memcpy(buffer, source.data + source.at, n);
    source.at += n;
    return static_cast<std::uint32_t>(n);
}

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the delivery size, the rest is the file.
    static const uint32_t kPieces[] = {0, 1, 7, 13, 64, 512, 4096, 16383};
    Source source{data + 1, size - 1, 0, kPieces[data[0] & 7]};
    PngImageRecord record;
    std::memset(&record, 0xAB, sizeof record);
    if (!ReadPngEx(&record, &Deliver, &source)) {
        Check(record.rows == nullptr && record.width == 0, "a failed read leaves an empty record");
        return 0;
    }
    Check(record.width > 0 && record.height > 0, "an image has pixels");
    Check(static_cast<uint64_t>(record.width) * record.height <= (1u << 26), "no image beyond the pixel limit");
    Check(record.colorType == 6 ? record.channels == 4 : record.channels == 3, "channels match the colour type");
    Check(record.rows != nullptr, "rows are handed back");
    unsigned sum = 0;
    for (uint32_t row = 0; row < record.height; ++row) {
        Check(record.rows[row] != nullptr, "every row is there");
        // Touching every byte lets the address checker see a short row.
        for (uint32_t x = 0; x < record.width * record.channels; ++x) sum += record.rows[row][x];
    }
    (void)sum;
    FreePngData(&record);
    Check(record.rows == nullptr, "freeing forgets the rows");
    return 0;
}
