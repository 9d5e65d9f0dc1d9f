#include "kiln/Graphics/DibSection.h"

#include <cstring>
#include <utility>

namespace kiln {

DibSection::DibSection(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0 || (bitsPerPixel != 24 && bitsPerPixel != 32)) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
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
    if (Empty()) return {};
    return PixelView{m_bits, m_width, m_height, DibStride(m_width, m_bitsPerPixel), m_bitsPerPixel / 8};
}

void DibSection::Fill(BYTE value) {
    if (Empty()) return;
    GdiFlush();
    std::memset(m_bits, value, static_cast<size_t>(DibStride(m_width, m_bitsPerPixel)) * m_height);
}

}  // namespace kiln
