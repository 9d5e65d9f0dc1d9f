#pragma once
// A device-independent bitmap (DIB section) with rows stored top-down, so
// ScanLine(0) is the top row, and a canvas that draws on it.
//
// Copies share their pixels until one of them writes: dozens of controls
// show the same skin pictures, and each DIB section is memory of its own.
// Writing is anything that hands out the pixels or the native bitmap for
// drawing (ScanLine, Canvas, Handle); reading goes through the const
// ScanLine, SharedHandle and ReadDC.

#include "frame/Canvas.h"
#include "frame/DCScope.h"
#include "base/Handles.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace frame {

enum class PixelFormat { Bits4, Bits24, Bits32 };

enum class TransparentMode {
    Auto,   // the colour of the bottom-left pixel
    Fixed,  // the colour set with SetTransparentColor
};

class Bitmap {
public:
    Bitmap();
    Bitmap(int width, int height, PixelFormat format = PixelFormat::Bits24);
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    // Moving hands over the picture, its settings and the change handler;
    // the source is left empty. Neither keeps a canvas selection.
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;
    ~Bitmap();

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    PixelFormat Format() const { return m_format; }
    int BitsPerPixel() const;

    // Changing format or size keeps the picture: the overlapping part is
    // carried over (converted), new area is black with alpha 0.
    void SetPixelFormat(PixelFormat format);
    void SetSize(int width, int height);
    // A blank picture of this size and format (black, alpha 0), told to no
    // one: for filling row by row and then calling Changed() once, instead
    // of a change for the format, another for the size and a third for the
    // pixels.
    void Reshape(int width, int height, PixelFormat format);

    // Row `row` (0 = top), to write: the pixels become this bitmap's own.
    // Call Changed() after writing pixels directly.
    std::uint8_t* ScanLine(int row);
    // Row `row`, to read only: it may be shared with copies.
    const std::uint8_t* ScanLine(int row) const;
    int Stride() const;

    // The native bitmap, free to be selected into another DC and drawn on:
    // the pixels become this bitmap's own, and its canvas lets go of it
    // until it is drawn on again. nullptr while empty.
    HBITMAP Handle();
    // The native bitmap to read from; it may be shared with copies, so it
    // must never be drawn on. nullptr while empty.
    HBITMAP SharedHandle() const;
    frame::Canvas& Canvas();

    // A DC to copy the picture from, for the life of the scope: the
    // bitmap's own canvas while no copy shares its pixels, otherwise a
    // memory DC holding the shared bitmap.
    class ReadDC {
    public:
        explicit ReadDC(const Bitmap& bitmap);
        ReadDC(const ReadDC&) = delete;
        ReadDC& operator=(const ReadDC&) = delete;
        HDC Get() const { return m_dc; }

    private:
        base::MemoryDC m_memory;
        std::optional<SelectObjectScope> m_selection;
        HDC m_dc = nullptr;
    };

    // Takes format, size, pixels (shared until either writes) and
    // transparency settings.
    void Assign(const Bitmap& source);
    // Takes format, size and pixels (shared until either writes); keeps
    // this bitmap's transparency settings.
    void AssignPixels(const Bitmap& source);
    // Assign, then SetPixelFormat(format), in one step where the format
    // only loses the alpha byte.
    void AssignAs(const Bitmap& source, PixelFormat format);
    // Reads a .bmp file; throws FileOpenError or, for a file that is not a
    // bitmap, Exception with ErrorKind::InvalidGraphic. On failure the
    // picture is unchanged.
    void LoadFromFile(const std::string& path);
    // Reads a bitmap resource of `module`; throws Exception with
    // ErrorKind::InvalidGraphic when it is missing or not a bitmap, and the
    // picture is then unchanged.
    void LoadFromResourceName(HINSTANCE module, const char* name);

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    frame::TransparentMode TransparentMode() const { return m_transparentMode; }
    void SetTransparentMode(frame::TransparentMode mode);
    // In Auto mode the bottom-left pixel's colour (black while empty).
    Color TransparentColor() const;
    // Switches to Fixed mode with this colour.
    void SetTransparentColor(Color color);

    // The colour of one pixel as 0x00BBGGRR (alpha is not part of it).
    COLORREF PixelColor(int x, int y) const;

    void Changed();
    std::function<void(Bitmap&)> OnChange;

    // Holds the bitmap's change notices while it lives and gives one at the
    // end if any came: a picture drawn in several steps is repainted once.
    class ChangeBatch {
    public:
        explicit ChangeBatch(Bitmap& bitmap);
        // Left by an exception, it gives no notice: the handlers may throw.
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

    private:
        Bitmap& m_bitmap;
        int m_exceptions;
    };

private:
    class BitmapCanvas;
    struct Pixels;

    void Recreate(int width, int height, PixelFormat format, bool keepPicture);
    // Has a DIB of this size and format, to overwrite in place: its own.
    bool HasShape(int width, int height, PixelFormat format) const;
    bool Shared() const;
    // Gives this bitmap pixels of its own before they are written.
    void MakeOwn();
    void SharePixelsOf(const Bitmap& source);
    // The transparency settings of `source`.
    void TakeSettings(const Bitmap& source);
    void AdoptHandle(HBITMAP source);
    void ReleaseCanvasSelection() const;

    int m_width = 0;
    int m_height = 0;
    PixelFormat m_format = PixelFormat::Bits24;
    std::shared_ptr<Pixels> m_pixels;  // null while empty
    int m_changeHolds = 0;             // open ChangeBatch scopes
    bool m_changedWhileHeld = false;
    bool m_transparent = false;
    frame::TransparentMode m_transparentMode = frame::TransparentMode::Auto;
    Color m_transparentColor = 0;
    std::unique_ptr<BitmapCanvas> m_canvas;
};

}  // namespace frame
