#include "tools/skinmaker/ImageFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace skinmaker {

namespace {

unsigned char Byte(float v) { return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); }

class LittleEndianFile {
public:
    explicit LittleEndianFile(const std::string& path) : m_out(path, std::ios::binary) {
        if (!m_out)
            throw std::runtime_error("cannot write " + path);
    }
    void U8(unsigned v) { m_out.put(static_cast<char>(v & 0xFF)); }
    void U16(unsigned v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Close() {
        m_out.close();
        if (!m_out)
            throw std::runtime_error("write failed");
    }

private:
    std::ofstream m_out;
};

} // namespace

Rgba8 Quantise(const Image& image, int x, int y) {
    Color c = image.Get(x, y);
    unsigned char a = Byte(c.a);
    if (a == 0)
        return {0, 0, 0, 0};
    return {Byte(c.r), Byte(c.g), Byte(c.b), a};
}

void WritePng(const std::string& path, const Image& image) {
    std::vector<unsigned char> data;
    data.reserve(static_cast<size_t>(image.Width()) * image.Height() * 4);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            Rgba8 p = Quantise(image, x, y);
            data.insert(data.end(), {p.r, p.g, p.b, p.a});
        }
    if (!stbi_write_png(path.c_str(), image.Width(), image.Height(), 4, data.data(), image.Width() * 4))
        throw std::runtime_error("cannot write " + path);
}

void WriteBmp24(const std::string& path, const Image& image) {
    const int rowBytes = (image.Width() * 3 + 3) & ~3;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes) * image.Height();
    LittleEndianFile f(path);
    f.U16(0x4D42); // "BM"
    f.U32(14 + 40 + pixelBytes);
    f.U32(0);
    f.U32(14 + 40);
    f.U32(40);
    f.U32(image.Width());
    f.U32(image.Height()); // positive: rows bottom-up
    f.U16(1);
    f.U16(24);
    f.U32(0); // BI_RGB
    f.U32(pixelBytes);
    f.U32(2835);
    f.U32(2835);
    f.U32(0);
    f.U32(0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            Rgba8 p = Quantise(image, x, y);
            f.U8(p.b);
            f.U8(p.g);
            f.U8(p.r);
        }
        for (int pad = image.Width() * 3; pad < rowBytes; ++pad)
            f.U8(0);
    }
    f.Close();
}

void WriteIco(const std::string& path, const std::vector<Image>& images) {
    LittleEndianFile f(path);
    f.U16(0);
    f.U16(1); // icon
    f.U16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    auto maskRow = [](const Image& im) { return ((im.Width() + 31) / 32) * 4; };
    for (const Image& im : images) {
        std::uint32_t size = 40 + im.Width() * im.Height() * 4 + maskRow(im) * im.Height();
        f.U8(im.Width() >= 256 ? 0 : im.Width());
        f.U8(im.Height() >= 256 ? 0 : im.Height());
        f.U8(0);
        f.U8(0);
        f.U16(1);
        f.U16(32);
        f.U32(size);
        f.U32(offset);
        offset += size;
    }
    for (const Image& im : images) {
        f.U32(40);
        f.U32(im.Width());
        f.U32(im.Height() * 2); // colour plus mask
        f.U16(1);
        f.U16(32);
        f.U32(0);
        f.U32(im.Width() * im.Height() * 4 + maskRow(im) * im.Height());
        f.U32(0);
        f.U32(0);
        f.U32(0);
        f.U32(0);
        for (int y = im.Height() - 1; y >= 0; --y)
            for (int x = 0; x < im.Width(); ++x) {
                Rgba8 p = Quantise(im, x, y);
                f.U8(p.b);
                f.U8(p.g);
                f.U8(p.r);
                f.U8(p.a);
            }
        // AND mask: set where the pixel is fully transparent, for systems
        // that draw icons without the alpha channel.
        for (int y = im.Height() - 1; y >= 0; --y) {
            std::vector<unsigned char> row(maskRow(im), 0);
            for (int x = 0; x < im.Width(); ++x)
                if (Quantise(im, x, y).a == 0)
                    row[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
            for (unsigned char b : row)
                f.U8(b);
        }
    }
    f.Close();
}

} // namespace skinmaker
