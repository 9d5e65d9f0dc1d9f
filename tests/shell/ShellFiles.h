#pragma once
// Placeholder pictures written by the shell tests themselves: shadow PNGs
// in a Resource folder, so nothing depends on the real artwork.

#include <cstdint>
#include <string>
#include <vector>

namespace shelltest {

// Writes an RGBA PNG from width * height pixels (R, G, B, A bytes), or one
// whose every pixel is `rgba` (0xRRGGBBAA).
void WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& pixels);
void WriteFlatPng(const std::string& path, int width, int height, std::uint32_t rgba);

// Writes small_shadow002.png, big_shadow002.png and big_shadow003.png into
// `folder` + "Resource\" with three different sizes, every pixel `rgba`.
void WriteShadowPngs(const std::string& folder, std::uint32_t rgba = 0x40404080);

struct ShadowSizes {
    static constexpr int smallWidth = 40, smallHeight = 30;
    static constexpr int bigWidth = 60, bigHeight = 50;
    static constexpr int middleWidth = 50, middleHeight = 40;
};

}  // namespace shelltest
