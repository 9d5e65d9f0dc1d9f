#include "kiln/Graphics/PngReader.h"
#include "frame/Exception.h"
#include "tests/png/PngFiles.h"
#include "tests/support/Pictures.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Pixel = std::array<std::uint8_t, 4>;  // blue, green, red, alpha as stored

Pixel At(frame::Bitmap& bitmap, int x, int y) {
    const std::uint8_t* p = bitmap.ScanLine(y) + x * 4;
    return Pixel{p[0], p[1], p[2], p[3]};
}

class LoadPngTest : public ::testing::Test {
protected:
    PngFiles files;
};

TEST_F(LoadPngTest, OpaqueRgbImageGetsFullAlphaAndBlueGreenRedOrder) {
    // 2 x 2: red, green / blue, (10, 20, 30)
    std::string path = files.Write("rgb.png", 2, 2, 3, {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30});
    frame::Bitmap bitmap;
    kiln::LoadPng(path, bitmap);
    ASSERT_EQ(bitmap.Format(), frame::PixelFormat::Bits32);
    ASSERT_EQ(bitmap.Width(), 2);
    ASSERT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(At(bitmap, 0, 0), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(At(bitmap, 1, 0), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(At(bitmap, 0, 1), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(At(bitmap, 1, 1), (Pixel{30, 20, 10, 255}));
}

TEST_F(LoadPngTest, AlphaZeroTurnsBlackWhileAnyOtherAlphaKeepsTheColour) {
    std::string path = files.Write("rgba.png", 3, 1, 4, {255, 0, 0, 0, 255, 0, 0, 1, 200, 100, 50, 128});
    frame::Bitmap bitmap;
    kiln::LoadPng(path, bitmap);
    EXPECT_EQ(At(bitmap, 0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(At(bitmap, 1, 0), (Pixel{0, 0, 255, 1}));
    EXPECT_EQ(At(bitmap, 2, 0), (Pixel{50, 100, 200, 128}));
}

TEST_F(LoadPngTest, GreyImagesAreWidenedToColour) {
    std::string grey = files.Write("grey.png", 1, 1, 1, {77});
    std::string greyAlpha = files.Write("greyalpha.png", 2, 1, 2, {90, 0, 90, 60});
    frame::Bitmap bitmap;
    kiln::LoadPng(grey, bitmap);
    EXPECT_EQ(At(bitmap, 0, 0), (Pixel{77, 77, 77, 255}));
    kiln::LoadPng(greyAlpha, bitmap);
    EXPECT_EQ(At(bitmap, 0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(At(bitmap, 1, 0), (Pixel{90, 90, 90, 60}));
}

TEST_F(LoadPngTest, ThePngSizeReplacesALargerPicture) {
    std::string path = files.Write("small.png", 3, 2, 3, std::vector<std::uint8_t>(3 * 2 * 3, 9));
    frame::Bitmap bitmap(40, 30, frame::PixelFormat::Bits24);
    kiln::LoadPng(path, bitmap);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.Format(), frame::PixelFormat::Bits32);
}

// Undecodable data must leave size, format and every pixel as they were.
// Start-up decodes each skin file once; a file rewritten meanwhile (here one
// pixel wider, so its size differs whatever the clock's resolution) is read
// again, and a bitmap filled from what was kept is a full copy of its own.
TEST_F(LoadPngTest, ADecodeScopeCopiesWhatItDecodedUntilTheFileChanges) {
    const kiln::PngDecodeScope decodes;
    const std::string path = files.Write("kept.png", 2, 1, 3, {1, 2, 3, 4, 5, 6});
    frame::Bitmap first, second;
    kiln::LoadPng(path, first);
    kiln::LoadPng(path, second);
    EXPECT_TRUE(testsupport::PicturesMatch(first, second));
    second.ScanLine(0)[0] = 99;
    EXPECT_EQ(At(first, 0, 0), (Pixel{3, 2, 1, 255})) << "the copies share nothing";

    files.Write("kept.png", 3, 1, 3, {7, 8, 9, 7, 8, 9, 7, 8, 9});
    kiln::LoadPng(path, second);
    EXPECT_EQ(second.Width(), 3);
    EXPECT_EQ(At(second, 2, 0), (Pixel{9, 8, 7, 255}));
}

// Read alone, the alpha is what the full load gives: the file's own, or 255
// without an alpha channel. Failures keep the picture or raise, as loads do.
TEST_F(LoadPngTest, TheAlphaAloneIsTheAlphaOfTheFullLoad) {
    for (const std::string& path : {files.Write("a.png", 2, 1, 4, {1, 2, 3, 0, 4, 5, 6, 77}),
                                    files.Write("rgb.png", 2, 1, 3, {1, 2, 3, 4, 5, 6})}) {
        frame::Bitmap full;
        kiln::LoadPng(path, full);
        kiln::AlphaPicture alone;
        kiln::LoadPngAlpha(path, alone);
        ASSERT_EQ(alone.width, 2);
        ASSERT_EQ(alone.height, 1);
        EXPECT_EQ(alone.alpha, (std::vector<std::uint8_t>{At(full, 0, 0)[3], At(full, 1, 0)[3]})) << path;
    }
    kiln::AlphaPicture kept{1, 1, {9}};
    kiln::LoadPngAlpha(files.WriteBytes("broken.png", {'n', 'o'}), kept);
    EXPECT_EQ(kept.alpha, std::vector<std::uint8_t>{9});
    EXPECT_THROW(kiln::LoadPngAlpha(files.Folder() + "absent.png", kept), frame::FileOpenError);
}

class UndecodableFileTest : public LoadPngTest {
protected:
    void ExpectUnchangedAfterLoading(const std::string& path) {
        frame::Bitmap bitmap(4, 3, frame::PixelFormat::Bits32), before;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 16; ++x) bitmap.ScanLine(y)[x] = static_cast<std::uint8_t>(y * 16 + x);
        before.Assign(bitmap);
        kiln::LoadPng(path, bitmap);
        ASSERT_EQ(bitmap.Width(), 4);
        ASSERT_EQ(bitmap.Height(), 3);
        ASSERT_EQ(bitmap.Format(), frame::PixelFormat::Bits32);
        ASSERT_TRUE(testsupport::PicturesMatch(bitmap, before));
    }

    std::vector<std::uint8_t> ValidPng() {
        std::vector<std::uint8_t> pixels(16 * 16 * 4);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 7);
        return files.ReadBytes(files.Write("valid.png", 16, 16, 4, pixels));
    }
};

TEST_F(UndecodableFileTest, TruncatedFile) {
    std::vector<std::uint8_t> bytes = ValidPng();
    bytes.resize(bytes.size() / 2);
    ExpectUnchangedAfterLoading(files.WriteBytes("truncated.png", bytes));
}

TEST_F(UndecodableFileTest, CorruptImageData) {
    std::vector<std::uint8_t> bytes = ValidPng();
    // Keep the signature and header chunk, scramble everything after them.
    for (size_t i = 40; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(bytes[i] ^ 0x5A);
    ExpectUnchangedAfterLoading(files.WriteBytes("corrupt.png", bytes));
}

TEST_F(UndecodableFileTest, NotAPngAtAll) {
    ExpectUnchangedAfterLoading(files.WriteBytes("text.png", {'h', 'e', 'l', 'l', 'o'}));
    ExpectUnchangedAfterLoading(files.WriteBytes("empty.png", {}));
}

TEST_F(LoadPngTest, MissingFileRaisesTheFileOpenErrorAndKeepsThePicture) {
    frame::Bitmap bitmap(5, 5, frame::PixelFormat::Bits32);
    try {
        kiln::LoadPng(files.Folder() + "absent.png", bitmap);
        FAIL() << "no exception";
    } catch (const frame::FileOpenError& error) {
        EXPECT_EQ(error.Kind(), frame::ErrorKind::FileOpen);
        EXPECT_NE(std::string(error.what()).find("absent.png"), std::string::npos);
    }
    EXPECT_EQ(bitmap.Width(), 5);
}

}  // namespace
