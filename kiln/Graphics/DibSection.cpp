#include "kiln/Graphics/DibSection.h"

#include <cstring>
#include <utility>

namespace kiln {
namespace {

struct BitmapInfo16 {
    BITMAPINFOHEADER header;
    RGBQUAD colors[16];
};

// The 16 colours a 4-bit screen shows, so 4-bit faces keep their look.
const RGBQUAD kVgaColors[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},   {0, 128, 0, 0},   {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0}, {128, 128, 0, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},   {0, 255, 0, 0},   {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0},
};

}  // namespace

DibSection::DibSection(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0) return;
    BitmapInfo16 info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    if (bitsPerPixel == 4) {
        info.header.biClrUsed = 16;
        std::memcpy(info.colors, kVgaColors, sizeof kVgaColors);
    }
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                nullptr, 0);
    if (!m_bitmap) return;
    m_bits = static_cast<BYTE*>(bits);
    m_width = width;
    m_height = height;
    m_bitsPerPixel = bitsPerPixel;
    Fill(0);
}

DibSection::~DibSection() { Release(); }

DibSection::DibSection(DibSection&& other) noexcept { *this = std::move(other); }

DibSection& DibSection::operator=(DibSection&& other) noexcept {
    if (this != &other) {
        Release();
        m_bitmap = std::exchange(other.m_bitmap, nullptr);
        m_bits = std::exchange(other.m_bits, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
        m_bitsPerPixel = std::exchange(other.m_bitsPerPixel, 0);
    }
    return *this;
}

void DibSection::Release() {
    if (m_bitmap) DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_bits = nullptr;
}

PixelView DibSection::View() const {
    if (Empty() || (m_bitsPerPixel != 24 && m_bitsPerPixel != 32)) return {};
    return PixelView{m_bits, m_width, m_height, DibStride(m_width, m_bitsPerPixel), m_bitsPerPixel / 8};
}

void DibSection::Fill(BYTE value) {
    if (Empty()) return;
    GdiFlush();
    std::memset(m_bits, value, static_cast<size_t>(DibStride(m_width, m_bitsPerPixel)) * m_height);
}

}  // namespace kiln
