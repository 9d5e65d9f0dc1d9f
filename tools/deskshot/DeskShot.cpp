// Saves the whole screen as a PNG file. Under Wine the display server's
// picture of layered windows can lag behind or miss what Windows programs
// see, so the picture is taken from the Windows side.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#include <windows.h>

#include "base/Handles.h"

#include <cstdint>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: deskshot FILE.png\n");
        return 2;
    }
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const HDC screen = GetDC(nullptr);
    base::MemoryDC memory(CreateCompatibleDC(screen));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    base::GdiBitmap bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        std::fprintf(stderr, "deskshot: cannot make a %dx%d bitmap\n", width, height);
        return 1;
    }
    const HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory.Get(), previous);
    ReleaseDC(nullptr, screen);

    std::vector<std::uint8_t> rgb(size_t(width) * height * 3);
    const auto* bgra = static_cast<const std::uint8_t*>(bits);
    for (size_t i = 0; i < size_t(width) * height; ++i) {
        rgb[3 * i] = bgra[4 * i + 2];
        rgb[3 * i + 1] = bgra[4 * i + 1];
        rgb[3 * i + 2] = bgra[4 * i];
    }
    if (!stbi_write_png(argv[1], width, height, 3, rgb.data(), width * 3)) {
        std::fprintf(stderr, "deskshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
