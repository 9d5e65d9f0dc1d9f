#include "ShellFiles.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#include <windows.h>

#include <stdexcept>

namespace shelltest {

void WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& pixels) {
    if (!stbi_write_png(path.c_str(), width, height, 4, pixels.data(), width * 4))
        throw std::runtime_error("cannot write " + path);
}

void WriteFlatPng(const std::string& path, int width, int height, std::uint32_t rgba) {
    std::vector<std::uint8_t> pixels;
    pixels.reserve(size_t(width) * height * 4);
    for (int i = 0; i < width * height; ++i) {
        pixels.push_back(std::uint8_t(rgba >> 24));
        pixels.push_back(std::uint8_t(rgba >> 16));
        pixels.push_back(std::uint8_t(rgba >> 8));
        pixels.push_back(std::uint8_t(rgba));
    }
    WritePng(path, width, height, pixels);
}

void WriteShadowPngs(const std::string& folder, std::uint32_t rgba) {
    const std::string resource = folder + "Resource\\";
    CreateDirectoryA(resource.c_str(), nullptr);
    WriteFlatPng(resource + "small_shadow002.png", ShadowSizes::smallWidth, ShadowSizes::smallHeight, rgba);
    WriteFlatPng(resource + "big_shadow002.png", ShadowSizes::bigWidth, ShadowSizes::bigHeight, rgba);
    WriteFlatPng(resource + "big_shadow003.png", ShadowSizes::middleWidth, ShadowSizes::middleHeight, rgba);
}

}  // namespace shelltest
