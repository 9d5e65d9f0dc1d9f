#pragma once
// Pictures as the artwork tests see them: 8-bit RGBA, rows from the top.

#include "frame/Bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artwork {

struct Rgba {
    std::uint8_t r, g, b, a;
};

struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<Rgba> pixels;

    const Rgba& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Empty() const { return pixels.empty(); }
};

bool SameColour(const Rgba& p, std::uint8_t r, std::uint8_t g, std::uint8_t b);
int ChannelDistance(const Rgba& p, const Rgba& q); // largest channel difference, alpha included
// Share of pixels (0-1) whose channels differ by more than 24; sizes must match.
double ChangedShare(const Picture& a, const Picture& b);

// The picture as a 32-bit bitmap, for comparing regions of pictures.
frame::Bitmap BitmapOf(const Picture& picture);

// The installed "Resource\" folder, ending in a backslash.
std::string ResourceFolder();
// A PNG from the resource folder ("Numbers\\00.png"); empty when unreadable.
Picture LoadPng(const std::string& folderAndName);
// A BITMAP resource of this test program; empty when missing.
Picture LoadEmbedded(const char* name);

} // namespace artwork
