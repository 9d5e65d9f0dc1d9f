// PNG files through the program's image loading (kiln PngManager over the
// real picload.dll beside this program) into 32-bit bitmaps. The library's
// own record, read through its entry points, is the reference: the bitmap
// must hold exactly its pixels, blue first, with transparent ones black.

#include "frame/Bitmap.h"
#include "frame/FileStream.h"
#include "fuzz/common/MutationLoop.h"
#include "kiln/Graphics/PngReader.h"
#include "vendor/picload.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string g_path;
ReadPngExFunction g_readPngEx = nullptr;
FreePngDataFunction g_freePngData = nullptr;

struct Memory {
    const fuzzloop::Input* input;
    size_t at;
};

std::uint32_t __stdcall FromMemory(void* user, void* buffer, std::uint32_t count) {
    auto& memory = *static_cast<Memory*>(user);
    size_t n = memory.input->size() - memory.at;
    if (n > count) n = count;
    if (n) std::memcpy(buffer, memory.input->data() + memory.at, n);
    memory.at += n;
    return static_cast<std::uint32_t>(n);
}

std::string ComparePixels(const PngImageRecord& record, frame::Bitmap& bitmap) {
    if (bitmap.Width() != static_cast<int>(record.width) || bitmap.Height() != static_cast<int>(record.height))
        return "the bitmap's size is not the image's";
    const bool alpha = record.colorType == 6;
    const int step = alpha ? 4 : 3;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint8_t* source = record.rows[y];
        const std::uint8_t* target = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, source += step, target += 4) {
            const std::uint8_t a = alpha ? source[3] : 255;
            const bool black = a == 0;
            if (target[3] != a || target[0] != (black ? 0 : source[2]) || target[1] != (black ? 0 : source[1]) ||
                target[2] != (black ? 0 : source[0]))
                return "pixel " + std::to_string(x) + "," + std::to_string(y) + " is not the image's";
        }
    }
    return "";
}

std::string Load(const fuzzloop::Input& input) {
    if (!fuzzloop::WriteWhole(g_path, input)) return "the input could not be written to " + g_path;
    frame::Bitmap bitmap(3, 2, frame::PixelFormat::Bits32);
    bitmap.ScanLine(1)[4] = 0x5A;
    frame::FileStream stream(g_path);
    const bool loaded = kiln::PngManager::Instance().Read(stream, bitmap);

    PngImageRecord record = {};
    Memory memory{&input, 0};
    const bool decodable = g_readPngEx(&record, &FromMemory, &memory) != 0;
    std::string broken;
    if (!loaded) {
        // A decodable image is refused only when it is too large to draw.
        if (decodable && record.width <= 0x7FFF && record.height <= 0x7FFF) broken = "a decodable image was refused";
        else if (bitmap.Width() != 3 || bitmap.Height() != 2 || bitmap.ScanLine(1)[4] != 0x5A)
            broken = "a refused image changed the bitmap";
    } else if (!decodable) {
        broken = "an image the library refuses was loaded";
    } else {
        broken = ComparePixels(record, bitmap);
    }
    if (decodable) g_freePngData(&record);
    return broken;
}

}  // namespace

int main(int argc, char** argv) {
    kiln::PngManager& manager = kiln::PngManager::Instance();
    if (!manager.Usable()) {
        std::printf("pngreader: %s\n", manager.Problem().c_str());
        return 2;
    }
    HMODULE reader = GetModuleHandleA("picload.dll");
    g_readPngEx = reinterpret_cast<ReadPngExFunction>(reinterpret_cast<void*>(GetProcAddress(reader, "ReadPngEx")));
    g_freePngData =
        reinterpret_cast<FreePngDataFunction>(reinterpret_cast<void*>(GetProcAddress(reader, "FreePngData")));
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    g_path = std::string(folder) + "fuzz_png_" + std::to_string(GetCurrentProcessId()) + ".png";
    const int result = fuzzloop::Run("pngreader", argc, argv, &Load);
    DeleteFileA(g_path.c_str());
    return result;
}
