#pragma once
// A device-independent bitmap (DIB section) with rows stored top-down, so
// ScanLine(0) is the top row, and a canvas that draws on it.

#include "frame/Canvas.h"
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

    // Row `row` (0 = top). Call Changed() after writing pixels directly.
    std::uint8_t* ScanLine(int row);
    const std::uint8_t* ScanLine(int row) const;
    int Stride() const { return m_stride; }

    // The native bitmap, free to be selected into another DC: the bitmap's
    // own canvas lets go of it until it is drawn on again. nullptr while empty.
    HBITMAP Handle();
    frame::Canvas& Canvas();

    // Copies format, size, pixels and transparency settings.
    void Assign(const Bitmap& source);
    // Assign, then SetPixelFormat(format), in one step where the format
    // only loses the alpha byte.
    void AssignAs(const Bitmap& source, PixelFormat format);
    // Reads a .bmp file; throws FileOpenError or, for a file that is not a
    // bitmap, Exception with ErrorKind::InvalidGraphic. On failure the
    // picture is unchanged.
    void LoadFromFile(const std::string& path);
    // Reads a bitmap resource of `module`; throws on failure.
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

private:
    class BitmapCanvas;

    void Recreate(int width, int height, PixelFormat format, bool keepPicture);
    // Has a DIB of this size and format, to overwrite in place.
    bool HasShape(int width, int height, PixelFormat format) const;
    // The transparency settings of `source`.
    void TakeSettings(const Bitmap& source);
    void AdoptHandle(HBITMAP source);
    void ReleaseCanvasSelection();

    int m_width = 0;
    int m_height = 0;
    PixelFormat m_format = PixelFormat::Bits24;
    base::GdiBitmap m_dib;
    std::uint8_t* m_bits = nullptr;
    int m_stride = 0;
    bool m_transparent = false;
    frame::TransparentMode m_transparentMode = frame::TransparentMode::Auto;
    Color m_transparentColor = 0;
    std::unique_ptr<BitmapCanvas> m_canvas;
};

}  // namespace frame
