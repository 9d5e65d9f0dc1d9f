#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "ScreenPicture.h"

#include "base/Handles.h"
#include "frame/DCScope.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The screen DC is released however the copy is left.
class ScreenDC {
public:
    ScreenDC() : m_dc(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() { ReleaseDC(nullptr, m_dc); }
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// The smallest rectangle holding every pixel of another colour than the
// bottom-left one (the whole picture when there is none).
RECT Visible(const std::uint32_t* pixels, int width, int height) {
    const std::uint32_t behind = pixels[size_t(height - 1) * width] & 0xFFFFFF;
    RECT inside{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixels[size_t(y) * width + x] & 0xFFFFFF) != behind) {
                inside.left = std::min<LONG>(inside.left, x);
                inside.top = std::min<LONG>(inside.top, y);
                inside.right = std::max<LONG>(inside.right, x + 1);
                inside.bottom = std::max<LONG>(inside.bottom, y + 1);
            }
    return IsRectEmpty(&inside) ? RECT{0, 0, width, height} : inside;
}

}  // namespace

bool SaveScreenPicture(RECT area, const std::string& file, bool trimBackground) {
    const RECT screenArea{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                          GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                          GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    RECT shown{};
    if (!IntersectRect(&shown, &area, &screenArea)) {
        std::fprintf(stderr, "the area %ld,%ld-%ld,%ld is off the screen\n", area.left, area.top, area.right,
                     area.bottom);
        return false;
    }
    const int width = shown.right - shown.left;
    const int height = shown.bottom - shown.top;
    const ScreenDC screen;
    base::MemoryDC memory(CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    base::GdiBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap) {
        std::fprintf(stderr, "cannot make a %dx%d bitmap\n", width, height);
        return false;
    }
    {
        const frame::SelectObjectScope selected(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), shown.left, shown.top, SRCCOPY | CAPTUREBLT);
    }
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    const RECT kept = trimBackground ? Visible(pixels, width, height) : RECT{0, 0, width, height};
    const int keptWidth = kept.right - kept.left;
    const int keptHeight = kept.bottom - kept.top;
    std::vector<std::uint8_t> rgb(size_t(keptWidth) * keptHeight * 3);
    for (int y = 0; y < keptHeight; ++y)
        for (int x = 0; x < keptWidth; ++x) {
            const std::uint32_t pixel = pixels[size_t(y + kept.top) * width + x + kept.left];
            std::uint8_t* out = &rgb[(size_t(y) * keptWidth + x) * 3];
            out[0] = static_cast<std::uint8_t>(pixel >> 16);
            out[1] = static_cast<std::uint8_t>(pixel >> 8);
            out[2] = static_cast<std::uint8_t>(pixel);
        }
    if (!stbi_write_png(file.c_str(), keptWidth, keptHeight, 3, rgb.data(), keptWidth * 3)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return false;
    }
    return true;
}
