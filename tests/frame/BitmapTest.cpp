#include "base/Handles.h"
#include "frame/Bitmap.h"
#include "frame/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(BitmapTest, PixelFormatsAndRowLayout) {
    frame::Bitmap four(5, 2, frame::PixelFormat::Bits4);
    frame::Bitmap rgb(5, 2, frame::PixelFormat::Bits24);
    frame::Bitmap rgba(5, 2, frame::PixelFormat::Bits32);
    EXPECT_EQ(four.BitsPerPixel(), 4);
    EXPECT_EQ(four.Stride(), 4);  // 20 bits, padded to 32
    EXPECT_EQ(rgb.Stride(), 16);  // 15 bytes, padded to 16
    EXPECT_EQ(rgba.Stride(), 20);
    BITMAP info = {};
    GetObjectA(rgba.Handle(), sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidth, 5);

    // Row 0 is the top: drawing at the top shows in ScanLine(0).
    rgb.Canvas().SetPixel(1, 0, RGB(10, 20, 30));
    const std::uint8_t* top = rgb.ScanLine(0) + 3;
    EXPECT_EQ(top[0], 30);
    EXPECT_EQ(top[1], 20);
    EXPECT_EQ(top[2], 10);

    four.Canvas().SetPixel(3, 1, RGB(255, 0, 0));
    EXPECT_EQ(four.PixelColor(3, 1), RGB(255, 0, 0));
}

TEST(BitmapTest, FormatAndSizeChangesKeepThePicture) {
    frame::Bitmap bitmap(4, 4, frame::PixelFormat::Bits24);
    bitmap.Canvas().SetPixel(1, 1, RGB(200, 100, 50));
    bitmap.SetPixelFormat(frame::PixelFormat::Bits32);
    EXPECT_EQ(bitmap.PixelColor(1, 1), RGB(200, 100, 50));
    bitmap.SetSize(2, 8);
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Height(), 8);
    EXPECT_EQ(bitmap.PixelColor(1, 1), RGB(200, 100, 50));
    EXPECT_EQ(bitmap.PixelColor(1, 7), RGB(0, 0, 0)) << "new area starts black";
    bitmap.SetSize(0, 0);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Handle(), nullptr);
}

TEST(BitmapTest, AutomaticTransparentColourIsTheBottomLeftPixel) {
    frame::Bitmap bitmap(3, 3, frame::PixelFormat::Bits32);
    bitmap.Canvas().SetPixel(0, 2, RGB(255, 0, 255));
    bitmap.Canvas().SetPixel(0, 0, RGB(1, 2, 3));
    EXPECT_EQ(bitmap.TransparentMode(), frame::TransparentMode::Auto);
    EXPECT_EQ(bitmap.TransparentColor(), RGB(255, 0, 255));
    bitmap.SetTransparentColor(RGB(9, 9, 9));
    EXPECT_EQ(bitmap.TransparentMode(), frame::TransparentMode::Fixed);
    EXPECT_EQ(bitmap.TransparentColor(), RGB(9, 9, 9));
    bitmap.SetTransparentMode(frame::TransparentMode::Auto);
    EXPECT_EQ(bitmap.TransparentColor(), RGB(255, 0, 255));
}

TEST(BitmapTest, TransparentDrawingLeavesTheKeyColourOut) {
    frame::Bitmap sprite(2, 1, frame::PixelFormat::Bits24);
    sprite.Canvas().SetPixel(0, 0, RGB(255, 0, 255));
    sprite.Canvas().SetPixel(1, 0, RGB(0, 0, 255));
    frame::Bitmap target(2, 2, frame::PixelFormat::Bits24);
    target.Canvas().Brush().color = RGB(0, 128, 0);
    target.Canvas().FillRect(RECT{0, 0, 2, 2});
    sprite.SetTransparentColor(RGB(255, 0, 255));
    sprite.SetTransparent(true);
    target.Canvas().Draw(0, 0, sprite);
    EXPECT_EQ(target.PixelColor(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(target.PixelColor(1, 0), RGB(0, 0, 255));
}

TEST(BitmapTest, AssignCopiesEverythingAndNotifies) {
    frame::Bitmap source(3, 2, frame::PixelFormat::Bits32);
    source.ScanLine(1)[4 + 3] = 77;  // alpha of pixel (1, 1)
    source.SetTransparent(true);
    frame::Bitmap copy;
    int changes = 0;
    copy.OnChange = [&](frame::Bitmap&) { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Format(), frame::PixelFormat::Bits32);
    EXPECT_EQ(copy.ScanLine(1)[4 + 3], 77);
    EXPECT_TRUE(copy.Transparent());
    copy.Canvas().FillRect(RECT{0, 0, 1, 1});
    EXPECT_EQ(changes, 2) << "drawing on the canvas is a change";
    EXPECT_EQ(source.ScanLine(1)[4 + 3], 77);
}

// Dozens of controls hold the same skin pictures: a copy shares the pixels
// until one side writes, and reading (drawing from it) does not write.
TEST(BitmapTest, CopiesSharePixelsUntilOneWritesAndConvertingDropsOnlyAlpha) {
    frame::Bitmap source(3, 2, frame::PixelFormat::Bits32);
    source.Canvas().SetPixel(2, 1, RGB(10, 20, 30));
    frame::Bitmap copy(3, 2, frame::PixelFormat::Bits32);
    copy.Assign(source);
    EXPECT_EQ(copy.SharedHandle(), source.SharedHandle());

    frame::Bitmap target(3, 2, frame::PixelFormat::Bits24);
    target.Canvas().Draw(0, 0, copy);
    EXPECT_EQ(target.PixelColor(2, 1), RGB(10, 20, 30));
    EXPECT_EQ(copy.SharedHandle(), source.SharedHandle()) << "drawing from a copy is no write";

    copy.Canvas().SetPixel(1, 1, RGB(4, 5, 6));
    EXPECT_NE(copy.SharedHandle(), source.SharedHandle());
    EXPECT_EQ(copy.PixelColor(1, 1), RGB(4, 5, 6));
    EXPECT_EQ(copy.PixelColor(2, 1), RGB(10, 20, 30)) << "the copy keeps the picture it shared";
    EXPECT_EQ(source.PixelColor(1, 1), RGB(0, 0, 0)) << "the source keeps its own";

    frame::Bitmap rows;
    rows.AssignPixels(source);
    rows.ScanLine(0)[0] = 99;
    rows.Reshape(3, 2, frame::PixelFormat::Bits32);
    EXPECT_EQ(source.PixelColor(2, 1), RGB(10, 20, 30)) << "neither writing rows nor blanking reaches a sharer";
    const HBITMAP own = copy.Handle();
    copy.Reshape(3, 2, frame::PixelFormat::Bits32);
    EXPECT_EQ(copy.Handle(), own) << "a picture of its own is blanked in place";
    EXPECT_EQ(copy.PixelColor(2, 1), RGB(0, 0, 0));

    frame::Bitmap opaque;
    source.SetTransparentColor(RGB(10, 20, 30));
    opaque.AssignAs(source, frame::PixelFormat::Bits24);
    EXPECT_EQ(opaque.Format(), frame::PixelFormat::Bits24);
    EXPECT_EQ(opaque.PixelColor(2, 1), RGB(10, 20, 30));
    EXPECT_EQ(opaque.TransparentColor(), RGB(10, 20, 30));
}

// A picture drawn in several steps (a slider's fill) is repainted once.
TEST(BitmapTest, ABatchOfChangesIsToldOnceAtItsEnd) {
    frame::Bitmap bitmap(2, 2, frame::PixelFormat::Bits32);
    int changes = 0;
    bitmap.OnChange = [&](frame::Bitmap&) { ++changes; };
    {
        const frame::Bitmap::ChangeBatch outer(bitmap);
        {
            const frame::Bitmap::ChangeBatch inner(bitmap);
            bitmap.Canvas().FillRect(RECT{0, 0, 2, 2});
            bitmap.Changed();
        }
        EXPECT_EQ(changes, 0) << "held until the outermost batch ends";
    }
    EXPECT_EQ(changes, 1);
    { const frame::Bitmap::ChangeBatch idle(bitmap); }
    EXPECT_EQ(changes, 1) << "a batch without changes tells nothing";
}

TEST(BitmapTest, TheHandleCanBeSelectedElsewhereAfterCanvasUse) {
    frame::Bitmap bitmap(4, 4, frame::PixelFormat::Bits32);
    bitmap.Canvas().FillRect(RECT{0, 0, 4, 4});
    base::MemoryDC other(CreateCompatibleDC(nullptr));
    HGDIOBJ previous = SelectObject(other.Get(), bitmap.Handle());
    EXPECT_NE(previous, nullptr) << "a bitmap still held by its canvas cannot be selected";
    SelectObject(other.Get(), previous);
    // Drawing again after that works too.
    bitmap.Canvas().SetPixel(0, 0, RGB(1, 2, 3));
    EXPECT_EQ(bitmap.PixelColor(0, 0), RGB(1, 2, 3));
}

TEST(BitmapTest, LoadingAMissingOrBrokenFileRaisesAndKeepsThePicture) {
    frame::Bitmap bitmap(7, 7, frame::PixelFormat::Bits24);
    EXPECT_THROW(bitmap.LoadFromFile("C:\\no\\such\\file.bmp"), frame::FileOpenError);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "not_a_bitmap.bmp";
    base::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.Get(), "junk", 4, &written, nullptr);
    file.Reset();
    try {
        bitmap.LoadFromFile(path);
        ADD_FAILURE() << "no exception";
    } catch (const frame::Exception& error) {
        EXPECT_EQ(error.Kind(), frame::ErrorKind::InvalidGraphic);
    }
    DeleteFileA(path.c_str());
    EXPECT_EQ(bitmap.Width(), 7);
}

}  // namespace
