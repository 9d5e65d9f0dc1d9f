#pragma once
// Owner of one top-down DIB section: the pixel memory the toolkit reads and
// writes directly, and a bitmap handle GDI can draw to and from.

#include "kiln/Graphics/PixelView.h"

#include <windows.h>

namespace kiln {

class DibSection {
public:
    DibSection() = default;
    // bitsPerPixel is 24 or 32; the pixels start out zero.
    DibSection(int width, int height, int bitsPerPixel);
    ~DibSection();
    DibSection(DibSection&& other) noexcept;
    DibSection& operator=(DibSection&& other) noexcept;
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    HBITMAP Handle() const { return m_bitmap; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    bool Empty() const { return m_bitmap == nullptr || m_width <= 0 || m_height <= 0; }
    PixelView View() const;
    // Sets every byte of every pixel.
    void Fill(BYTE value);

private:
    void Release();

    HBITMAP m_bitmap = nullptr;
    BYTE* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
};

}  // namespace kiln
