#include "tests/artwork/ArtworkSupport.h"
#include "base/Handles.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

namespace artwork {

bool SameColour(const Rgba& p, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return p.r == r && p.g == g && p.b == b;
}

int ChannelDistance(const Rgba& p, const Rgba& q) {
    return std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b), std::abs(p.a - q.a)});
}

double ChangedShare(const Picture& a, const Picture& b) {
    size_t changed = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        changed += ChannelDistance(a.pixels[i], b.pixels[i]) > 24;
    return a.pixels.empty() ? 0.0 : double(changed) / a.pixels.size();
}

std::string ResourceFolder() {
    const char* dir = std::getenv("VELTRUNE_RESOURCE_DIR");
    std::string folder = dir ? dir : "";
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

Picture LoadPng(const std::string& folderAndName) {
    Picture pic;
    int channels = 0;
    stbi_uc* data = stbi_load((ResourceFolder() + folderAndName).c_str(), &pic.width, &pic.height, &channels, 4);
    if (!data)
        return {};
    pic.bitsPerPixel = channels * 8;
    pic.pixels.resize(static_cast<size_t>(pic.width) * pic.height);
    for (size_t i = 0; i < pic.pixels.size(); ++i)
        pic.pixels[i] = {data[i * 4], data[i * 4 + 1], data[i * 4 + 2], data[i * 4 + 3]};
    stbi_image_free(data);
    return pic;
}

Picture LoadEmbedded(const char* name) {
    base::GdiBitmap handle(
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!handle)
        return {};
    Picture pic;
    DIBSECTION dib{};
    if (GetObjectA(handle.Get(), sizeof dib, &dib) == sizeof dib && dib.dsBm.bmBits) {
        const BITMAP& bm = dib.dsBm;
        pic.width = bm.bmWidth;
        pic.height = bm.bmHeight;
        pic.bitsPerPixel = bm.bmBitsPixel;
        const int bytes = bm.bmBitsPixel / 8;
        pic.pixels.resize(static_cast<size_t>(pic.width) * pic.height);
        const auto* bits = static_cast<const std::uint8_t*>(bm.bmBits);
        const bool bottomUp = dib.dsBmih.biHeight > 0;
        for (int y = 0; y < pic.height && bytes >= 3; ++y) {
            const int stored = bottomUp ? pic.height - 1 - y : y;
            const std::uint8_t* row = bits + static_cast<size_t>(stored) * bm.bmWidthBytes;
            for (int x = 0; x < pic.width; ++x)
                pic.pixels[static_cast<size_t>(y) * pic.width + x] = {row[x * bytes + 2], row[x * bytes + 1], row[x * bytes], 255};
        }
    }
    return pic;
}

frame::Bitmap BitmapOf(const Picture& picture) {
    frame::Bitmap bitmap(picture.width, picture.height, frame::PixelFormat::Bits32);
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < picture.width; ++x, row += 4) {
            const Rgba& p = picture.At(x, y);
            row[0] = p.b, row[1] = p.g, row[2] = p.r, row[3] = p.a;
        }
    }
    return bitmap;
}

} // namespace artwork
