#pragma once
// PNG files written by the tests themselves into a private temporary folder.

#include <cstdint>
#include <string>
#include <vector>

class PngFiles {
public:
    PngFiles();
    ~PngFiles();
    PngFiles(const PngFiles&) = delete;
    PngFiles& operator=(const PngFiles&) = delete;

    // Writes a PNG with `channels` (1 to 4) bytes a pixel and returns its path.
    // Each row takes the filter that suits it best, or `filter` (0 to 4) for all.
    std::string Write(const std::string& name, int width, int height, int channels,
                      const std::vector<std::uint8_t>& pixels, int filter = -1);
    // Writes raw bytes (for truncated and corrupt files).
    std::string WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes);
    std::vector<std::uint8_t> ReadBytes(const std::string& path) const;
    const std::string& Folder() const { return m_folder; }

private:
    std::string m_folder;
    std::vector<std::string> m_files;
};
