// The PNG reader: pulls the file's bytes through the caller's read function,
// decodes them and hands back rows of 8-bit R, G, B (and A when the image has
// an alpha channel) through the image record.

#include "vendor/picload.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace {

// The decoder leaves parts of its buffers unwritten for some damaged files
// that it still reports as decoded. Zeroed memory makes such an image the
// same on every load, instead of showing whatever the heap held before.
void* ZeroedAlloc(std::size_t bytes) {
    return std::calloc(1, bytes ? bytes : 1);
}

void* ZeroedRealloc(void* block, std::size_t oldBytes, std::size_t newBytes) {
    void* grown = std::realloc(block, newBytes);
    if (grown && newBytes > oldBytes) std::memset(static_cast<char*>(grown) + oldBytes, 0, newBytes - oldBytes);
    return grown;
}

}  // namespace

#define STBI_MALLOC(bytes) ZeroedAlloc(bytes)
#define STBI_REALLOC_SIZED(block, oldBytes, newBytes) ZeroedRealloc(block, oldBytes, newBytes)
#define STBI_FREE(block) std::free(block)
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include "stb/stb_image.h"

namespace {

constexpr std::uint32_t kColorTypeRgb = 2;
constexpr std::uint32_t kColorTypeRgba = 6;
// Larger inputs are not images this program draws; refusing them keeps a
// runaway read function from exhausting memory.
constexpr std::size_t kMaxFileBytes = 64u << 20;
// Likewise for the decoded size: a forged header must not make us allocate
// gigabytes before the data turns out to be short.
constexpr std::uint64_t kMaxPixels = 1u << 26;

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kChunkHeader = 8;     // length and type
constexpr std::size_t kChunkOverhead = 12;  // and the check word after the data

std::uint32_t BigEndian32(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

bool ReadAll(PngReadFunction read, void* user, std::vector<unsigned char>& data) {
    unsigned char chunk[16384];
    for (;;) {
        std::uint32_t got = read(user, chunk, sizeof chunk);
        if (got == 0) return true;
        if (got > sizeof chunk || data.size() + got > kMaxFileBytes) return false;
        data.insert(data.end(), chunk, chunk + got);
    }
}

// Walks the chunks up to the end marker. Drops image data chunks of length
// zero: they carry nothing, yet the decoder copies their zero bytes into a
// buffer it has not allocated yet (a null pointer), which C does not allow.
// False when a chunk's data runs past the end of the file: such a file never
// decodes, but the decoder would first grow its buffers to the claimed size,
// up to gigabytes.
bool CheckChunks(std::vector<unsigned char>& data) {
    for (std::size_t at = kSignatureBytes; at + kChunkHeader <= data.size();) {
        const std::size_t length = BigEndian32(&data[at]);
        const unsigned char* type = &data[at + 4];
        if (std::memcmp(type, "IEND", 4) == 0) return true;
        if (length > data.size() - at - kChunkHeader) return false;
        if (length == 0 && std::memcmp(type, "IDAT", 4) == 0) {
            // With its check word, or what the end of the file left of it.
            const std::size_t end = std::min(at + kChunkOverhead, data.size());
            data.erase(data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(end));
            continue;
        }
        at += kChunkOverhead + length;
    }
    return true;
}

int Paeth(int left, int up, int upLeft) {
    const int guess = left + up - upLeft;
    const int toLeft = std::abs(guess - left), toUp = std::abs(guess - up), toUpLeft = std::abs(guess - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return left;
    return toUp <= toUpLeft ? up : upLeft;
}

// Undoes the row filters where the rows were inflated. Row `row` arrives at
// row * (stride + 1) behind its filter byte and leaves at row * stride: every
// byte is written at or before where it was read, so nothing still unread is
// overwritten. One loop per filter, as large pictures spend most of their
// decoding here. False for a filter the format does not have.
bool UnfilterInPlace(unsigned char* image, std::uint32_t height, std::size_t stride, int pixelBytes) {
    const std::size_t bpp = static_cast<std::size_t>(pixelBytes);
    for (std::size_t row = 0; row < height; ++row) {
        const unsigned char* raw = image + row * (stride + 1) + 1;
        unsigned char* out = image + row * stride;
        const unsigned char* prior = row ? out - stride : nullptr;  // read only below the first row
        int filter = raw[-1];
        // Above the first row lie zeros: Up adds nothing there, and Paeth
        // always picks the pixel to the left.
        if (row == 0 && (filter == 2 || filter == 4)) filter = filter == 2 ? 0 : 1;
        std::size_t i = 0;
        switch (filter) {
        case 0: std::memmove(out, raw, stride); break;
        case 1:
            for (; i < bpp; ++i) out[i] = raw[i];
            for (; i < stride; ++i) out[i] = static_cast<unsigned char>(raw[i] + out[i - bpp]);
            break;
        case 2:
            for (; i < stride; ++i) out[i] = static_cast<unsigned char>(raw[i] + prior[i]);
            break;
        case 3:
            if (row == 0) {
                for (; i < bpp; ++i) out[i] = raw[i];
                for (; i < stride; ++i) out[i] = static_cast<unsigned char>(raw[i] + (out[i - bpp] >> 1));
            } else {
                for (; i < bpp; ++i) out[i] = static_cast<unsigned char>(raw[i] + (prior[i] >> 1));
                for (; i < stride; ++i)
                    out[i] = static_cast<unsigned char>(raw[i] + ((out[i - bpp] + prior[i]) >> 1));
            }
            break;
        case 4:
            for (; i < bpp; ++i) out[i] = static_cast<unsigned char>(raw[i] + prior[i]);
            for (; i < stride; ++i)
                out[i] = static_cast<unsigned char>(raw[i] + Paeth(out[i - bpp], prior[i], prior[i - bpp]));
            break;
        default: return false;
        }
    }
    return true;
}

// Nearly every picture is 8-bit RGB or RGBA without interlacing, palette or
// transparent colour. Those are unfiltered inside the inflated data, where
// the general decoder below writes the image into a second buffer as large
// as the first: on a large picture most of the time goes to the first touch
// of each page. Null for any other file, or when the data turns out to be
// damaged; the general decoder then decides, so the results never differ.
// The image's size must already be known to be within the limits above.
stbi_uc* DecodeStraight(const std::vector<unsigned char>& data, int& width, int& height, int& channels) {
    constexpr std::size_t kHeaderBytes = 13;
    if (data.size() < kSignatureBytes + kChunkOverhead + kHeaderBytes) return nullptr;
    const unsigned char* header = &data[kSignatureBytes];
    if (BigEndian32(header) != kHeaderBytes || std::memcmp(header + 4, "IHDR", 4) != 0) return nullptr;
    const unsigned char* fields = header + kChunkHeader;
    const std::uint32_t colorType = fields[9];
    if (fields[8] != 8 || (colorType != kColorTypeRgb && colorType != kColorTypeRgba) || fields[10] != 0 ||
        fields[11] != 0 || fields[12] != 0)
        return nullptr;
    const std::uint32_t w = BigEndian32(fields), h = BigEndian32(fields + 4);
    const int pixelBytes = colorType == kColorTypeRgba ? 4 : 3;

    std::vector<unsigned char> compressed;
    bool ended = false;
    for (std::size_t at = kSignatureBytes + kChunkOverhead + kHeaderBytes; !ended && at + kChunkHeader <= data.size();) {
        const std::size_t length = BigEndian32(&data[at]);
        const unsigned char* type = &data[at + 4];
        if (length > data.size() - at - kChunkHeader) return nullptr;
        if (std::memcmp(type, "IDAT", 4) == 0)
            compressed.insert(compressed.end(), &data[at + kChunkHeader], &data[at + kChunkHeader] + length);
        else if (std::memcmp(type, "IEND", 4) == 0)
            ended = true;
        else if (!(type[0] & 0x20) || std::memcmp(type, "tRNS", 4) == 0)
            return nullptr;  // a critical chunk (a palette, a second header) or transparency: not ours
        at += kChunkOverhead + length;
    }
    if (!ended || compressed.empty()) return nullptr;

    const std::size_t stride = static_cast<std::size_t>(w) * static_cast<std::size_t>(pixelBytes);
    const std::size_t filtered = (stride + 1) * h;
    int inflated = 0;
    char* image = stbi_zlib_decode_malloc_guesssize_headerflag(reinterpret_cast<const char*>(compressed.data()),
                                                               static_cast<int>(compressed.size()),
                                                               static_cast<int>(filtered), &inflated, 1);
    if (!image) return nullptr;
    auto* pixels = reinterpret_cast<stbi_uc*>(image);
    if (static_cast<std::size_t>(inflated) < filtered || !UnfilterInPlace(pixels, h, stride, pixelBytes)) {
        stbi_image_free(pixels);
        return nullptr;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    channels = pixelBytes;
    return pixels;
}

}  // namespace

extern "C" int __stdcall ReadPngEx(PngImageRecord* record, PngReadFunction read, void* user) {
    if (!record || !read) return 0;
    std::memset(record, 0, sizeof *record);
    std::vector<unsigned char> data;
    try {
        if (!ReadAll(read, user, data) || data.empty()) return 0;
        if (!CheckChunks(data)) return 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(data.data(), static_cast<int>(data.size()), &width, &height, &channels)) return 0;
    if (width <= 0 || height <= 0 || static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPixels)
        return 0;
    const bool alpha = channels == 2 || channels == 4;
    const int outChannels = alpha ? 4 : 3;
    stbi_uc* pixels = nullptr;
    try {
        pixels = DecodeStraight(data, width, height, channels);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (!pixels)
        pixels = stbi_load_from_memory(data.data(), static_cast<int>(data.size()), &width, &height, &channels, outChannels);
    if (!pixels) return 0;
    auto** rows = new (std::nothrow) std::uint8_t*[static_cast<std::size_t>(height)];
    if (!rows) {
        stbi_image_free(pixels);
        return 0;
    }
    const std::size_t stride = static_cast<std::size_t>(width) * outChannels;
    for (int row = 0; row < height; ++row) rows[row] = pixels + stride * static_cast<std::size_t>(row);
    record->width = static_cast<std::uint32_t>(width);
    record->height = static_cast<std::uint32_t>(height);
    record->bitDepth = 8;
    record->colorType = alpha ? kColorTypeRgba : kColorTypeRgb;
    record->channels = static_cast<std::uint32_t>(outChannels);
    record->rows = rows;
    return 1;
}

extern "C" void __stdcall FreePngData(PngImageRecord* record) {
    if (!record || !record->rows) return;
    // All rows live in the one block the decoder allocated.
    stbi_image_free(record->rows[0]);
    delete[] record->rows;
    record->rows = nullptr;
}
