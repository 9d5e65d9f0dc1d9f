// The reader library on its own, through the record it shares with the
// program, and the program's behaviour when the library is missing.

#include "kiln/Graphics/PngReader.h"
#include "base/Handles.h"
#include "tests/png/PngFiles.h"
#include "tests/support/ChildProcess.h"
#include "vendor/picload.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using kiln::GetProgramFolder;
using testsupport::TempPath;

namespace {

struct MemorySource {
    const std::vector<std::uint8_t>* data;
    size_t position = 0;
    int calls = 0;
};

std::uint32_t __stdcall ReadMemory(void* user, void* buffer, std::uint32_t count) {
    auto* source = static_cast<MemorySource*>(user);
    ++source->calls;
    size_t left = source->data->size() - source->position;
    size_t n = std::min<size_t>(left, count);
    std::memcpy(buffer, source->data->data() + source->position, n);
    source->position += n;
    return static_cast<std::uint32_t>(n);
}

class ReaderLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        library.Reset(LoadLibraryA((GetProgramFolder() + "picload.dll").c_str()));
        ASSERT_TRUE(library);
        readPngEx = reinterpret_cast<ReadPngExFunction>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "ReadPngEx")));
        freePngData =
            reinterpret_cast<FreePngDataFunction>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "FreePngData")));
        ASSERT_NE(readPngEx, nullptr);
        ASSERT_NE(freePngData, nullptr);
    }

    // What the library returns for `png`; on success its rows, top first,
    // end to end in `pixels`, and the record given back.
    int DecodeRows(const std::vector<std::uint8_t>& png, std::vector<std::uint8_t>& pixels) {
        MemorySource source{&png};
        PngImageRecord record = {};
        const int result = readPngEx(&record, &ReadMemory, &source);
        if (!result) return result;
        pixels.clear();
        for (std::uint32_t row = 0; row < record.height; ++row)
            pixels.insert(pixels.end(), record.rows[row], record.rows[row] + record.width * record.channels);
        freePngData(&record);
        return result;
    }

    base::ModuleHandle library;
    ReadPngExFunction readPngEx = nullptr;
    FreePngDataFunction freePngData = nullptr;
    PngFiles files;
};

TEST_F(ReaderLibraryTest, ImagesWithAlphaGiveColourTypeSixAndFourBytesAPixel) {
    std::vector<std::uint8_t> png = files.ReadBytes(files.Write("a.png", 2, 3, 4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,
                                                                                   13, 14, 15, 16, 17, 18, 19, 20, 21,
                                                                                   22, 23, 24}));
    MemorySource source{&png};
    PngImageRecord record = {};
    ASSERT_NE(readPngEx(&record, &ReadMemory, &source), 0);
    EXPECT_EQ(record.width, 2u);
    EXPECT_EQ(record.height, 3u);
    EXPECT_EQ(record.colorType, 6u);
    ASSERT_NE(record.rows, nullptr);
    EXPECT_EQ(record.rows[2][4], 21);  // row 2, pixel 1, red
    EXPECT_EQ(record.rows[2][7], 24);  // its alpha
    EXPECT_EQ(source.position, png.size()) << "the whole file is pulled through the read function";
    freePngData(&record);
}

TEST_F(ReaderLibraryTest, ImagesWithoutAlphaGiveThreeBytesAPixel) {
    std::vector<std::uint8_t> png = files.ReadBytes(files.Write("b.png", 2, 1, 3, {1, 2, 3, 4, 5, 6}));
    MemorySource source{&png};
    PngImageRecord record = {};
    ASSERT_NE(readPngEx(&record, &ReadMemory, &source), 0);
    EXPECT_NE(record.colorType, 6u);
    EXPECT_EQ(record.rows[0][3], 4);
    EXPECT_EQ(record.rows[0][5], 6);
    freePngData(&record);
}

TEST_F(ReaderLibraryTest, EveryRowFilterDecodesToTheEncodedPixels) {
    // Odd widths, one-pixel columns and rows, so that each filter meets its
    // edge cases: no pixel to the left, no row above.
    const int sizes[][2] = {{1, 1}, {1, 9}, {9, 1}, {37, 23}};
    for (const auto [width, height] : sizes)
        for (int channels : {3, 4})
            for (int filter = -1; filter <= 4; ++filter) {
                std::vector<std::uint8_t> pixels(static_cast<size_t>(width * height * channels));
                for (size_t i = 0; i < pixels.size(); ++i)
                    pixels[i] = static_cast<std::uint8_t>(i % 7 == 0 ? (i * 2654435761u) >> 13 : i / 5);
                const std::vector<std::uint8_t> png =
                    files.ReadBytes(files.Write("f.png", width, height, channels, pixels, filter));
                std::vector<std::uint8_t> decoded;
                ASSERT_NE(DecodeRows(png, decoded), 0);
                EXPECT_EQ(decoded, pixels) << width << " x " << height << ", " << channels << " bytes, filter " << filter;
            }
}

TEST_F(ReaderLibraryTest, UndecodableInputFailsWithoutARecord) {
    std::vector<std::uint8_t> junk(100, 0xAB);
    MemorySource source{&junk};
    PngImageRecord record = {};
    EXPECT_EQ(readPngEx(&record, &ReadMemory, &source), 0);
    EXPECT_EQ(record.rows, nullptr);

    // A header claiming 60000 x 60000 pixels over a few bytes of data.
    std::vector<std::uint8_t> forged = files.ReadBytes(files.Write("tiny.png", 1, 1, 3, {1, 2, 3}));
    const std::uint8_t huge[8] = {0, 0, 0xEA, 0x60, 0, 0, 0xEA, 0x60};
    std::copy(huge, huge + 8, forged.begin() + 16);  // width and height of the header chunk
    MemorySource forgedSource{&forged};
    EXPECT_EQ(readPngEx(&record, &ReadMemory, &forgedSource), 0);
}

TEST_F(ReaderLibraryTest, EmptyImageDataChunksAreSkipped) {
    // Legal but useless, and the decoder mishandles one before any data: an
    // empty data chunk first, one between the data and the end.
    std::vector<std::uint8_t> png = files.ReadBytes(files.Write("e.png", 2, 1, 3, {1, 2, 3, 4, 5, 6}));
    const std::uint8_t empty[12] = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
    const size_t afterHeader = 8 + 12 + 13;
    png.insert(png.end() - 12, empty, empty + 12);
    png.insert(png.begin() + afterHeader, empty, empty + 12);
    MemorySource source{&png};
    PngImageRecord record = {};
    ASSERT_NE(readPngEx(&record, &ReadMemory, &source), 0);
    EXPECT_EQ(record.width, 2u);
    EXPECT_EQ(record.rows[0][0], 1);
    EXPECT_EQ(record.rows[0][5], 6);
    freePngData(&record);
}

// Leaves blocks of many sizes full of `fill` free on the heap the library
// allocates from, where its next allocations are likely to land.
void DirtyHeap(std::uint8_t fill) {
    std::vector<void*> blocks;
    for (size_t size = 16; size <= (1u << 17); size *= 2)
        for (size_t extra : {size_t{0}, size / 2, size - 8})
            for (int i = 0; i < 4; ++i) {
                void* block = std::malloc(size + extra);
                std::memset(block, fill, size + extra);
                blocks.push_back(block);
            }
    for (void* block : blocks) std::free(block);
}

TEST_F(ReaderLibraryTest, DamagedImageDecodesTheSameWhateverTheHeapHeld) {
    // A damaged file (found by fuzzing) that still decodes, with parts of its
    // pixels never written by the decoder.
    const std::vector<std::uint8_t> damaged = files.ReadBytes(DAMAGED_PNG);
    ASSERT_FALSE(damaged.empty());
    std::vector<std::vector<std::uint8_t>> pixels;
    for (std::uint8_t fill : {0x00, 0xA5, 0x5A, 0xFF}) {
        DirtyHeap(fill);
        std::vector<std::uint8_t> image;
        ASSERT_EQ(DecodeRows(damaged, image), 1);
        pixels.push_back(image);
    }
    for (size_t i = 1; i < pixels.size(); ++i) EXPECT_EQ(pixels[i], pixels[0]) << "after heap fill " << i;
}

// Runs the probe with `arguments`; returns its exit code and what it wrote.
std::pair<DWORD, std::string> RunProbe(const std::string& probe, const std::string& arguments,
                                       const std::string& report) {
    DeleteFileA(report.c_str());
    const testsupport::ChildResult result = testsupport::RunChild(testsupport::Quote(probe) + " " + arguments);
    if (!result.started) return {~0u, "cannot start " + probe};
    if (result.timedOut) return {~0u, "probe did not end"};
    std::string text = testsupport::ReadWholeFile(report);
    DeleteFileA(report.c_str());
    return {result.exitCode, text};
}

const std::string kProbe = "png_missing_reader_probe.exe";

TEST(MissingReaderTest, TheUserIsToldWhatIsMissingAndTheProgramEndsWithCodeOne) {
    std::string report = TempPath("missing_reader_");
    auto [exitCode, text] = RunProbe(GetProgramFolder() + "noreader\\" + kProbe, "\"" + report + "\"", report);
    EXPECT_EQ(exitCode, 1u);
    EXPECT_NE(text.find("picload.dll"), std::string::npos) << text;
    EXPECT_NE(text.find("could not be loaded"), std::string::npos) << text;
}

TEST(MissingReaderTest, ProgramFolderLongerThanTheFirstBufferIsReadWhole) {
    // Past the 128 characters the path is first read into, within MAX_PATH.
    std::string folder = TempPath("deep_");
    std::vector<std::string> created;
    CreateDirectoryA(folder.c_str(), nullptr);
    created.push_back(folder);
    for (int level = 0; level < 4; ++level) {
        folder += "\\folder_with_a_rather_long_name_" + std::to_string(level);
        CreateDirectoryA(folder.c_str(), nullptr);
        created.push_back(folder);
    }
    std::string copy = folder + "\\" + kProbe;
    ASSERT_TRUE(CopyFileA((GetProgramFolder() + "noreader\\" + kProbe).c_str(), copy.c_str(), FALSE));
    std::string report = TempPath("folder_report_");
    auto [exitCode, text] = RunProbe(copy, "--folder \"" + report + "\"", report);
    DeleteFileA(copy.c_str());
    for (auto it = created.rbegin(); it != created.rend(); ++it) RemoveDirectoryA(it->c_str());
    EXPECT_EQ(exitCode, 0u);
    EXPECT_GT(folder.size(), 128u);
    EXPECT_EQ(text, folder + "\\");
}

}  // namespace
