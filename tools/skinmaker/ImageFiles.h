#pragma once
// Writers for the three file formats the skin is delivered in.

#include <string>
#include <vector>

#include "tools/skinmaker/Canvas.h"

namespace skinmaker {

// 8-bit straight RGBA PNG; fully transparent pixels are stored black.
void WritePng(const std::string& path, const Image& image);
// 24-bit bottom-up BMP for resource scripts; alpha is dropped.
void WriteBmp24(const std::string& path, const Image& image);
// Icon file with one 32-bit image (colour plus AND mask) per entry.
void WriteIco(const std::string& path, const std::vector<Image>& images);

// Straight 8-bit channels of a pixel, the way every writer quantises it.
struct Rgba8 {
    unsigned char r, g, b, a;
};
Rgba8 Quantise(const Image& image, int x, int y);

} // namespace skinmaker
