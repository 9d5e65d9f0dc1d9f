#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include "stb/stb_image_write.h"

#include "tests/png/PngFiles.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

void AppendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    auto* bytes = static_cast<std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

PngFiles::PngFiles() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    m_folder = std::string(temp) + "pngtest" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(m_folder.c_str(), nullptr);
}

PngFiles::~PngFiles() {
    for (const auto& file : m_files) DeleteFileA(file.c_str());
    RemoveDirectoryA(m_folder.c_str());
}

std::string PngFiles::Write(const std::string& name, int width, int height, int channels,
                            const std::vector<std::uint8_t>& pixels, int filter) {
    std::vector<std::uint8_t> encoded;
    stbi_write_force_png_filter = filter;
    if (!stbi_write_png_to_func(&AppendBytes, &encoded, width, height, channels, pixels.data(), width * channels))
        throw std::runtime_error("cannot encode " + name);
    return WriteBytes(name, encoded);
}

std::string PngFiles::WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::string path = m_folder + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
    m_files.push_back(path);
    return path;
}

std::vector<std::uint8_t> PngFiles::ReadBytes(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
