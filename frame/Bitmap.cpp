#include "frame/Bitmap.h"

#include "frame/DCScope.h"
#include "frame/Exception.h"
#include "frame/Module.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>
#include <vector>

namespace frame {
namespace {

// The 16 colours of the standard VGA palette, used for 4-bit bitmaps.
constexpr RGBQUAD kVgaPalette[16] = {
    {0, 0, 0, 0},       {0, 0, 128, 0},     {0, 128, 0, 0},     {0, 128, 128, 0},
    {128, 0, 0, 0},     {128, 0, 128, 0},   {128, 128, 0, 0},   {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0},     {0, 255, 0, 0},     {0, 255, 255, 0},
    {255, 0, 0, 0},     {255, 0, 255, 0},   {255, 255, 0, 0},   {255, 255, 255, 0},
};

int BitsOf(PixelFormat format) {
    switch (format) {
    case PixelFormat::Bits4: return 4;
    case PixelFormat::Bits24: return 24;
    case PixelFormat::Bits32: return 32;
    }
    return 24;
}

struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD palette[16];
};

}  // namespace

struct Bitmap::Pixels {
    base::GdiBitmap dib;
    std::uint8_t* bits = nullptr;
    int stride = 0;
};

// The bitmap's own DC. The bitmap stays selected into it only while someone
// draws; Bitmap::Handle() takes it back out so the bitmap can be selected
// elsewhere (a bitmap can live in one DC at a time).
class Bitmap::BitmapCanvas : public frame::Canvas {
public:
    explicit BitmapCanvas(Bitmap& owner) : m_owner(owner) {
        OnChange = [this](frame::Canvas&) { m_owner.Changed(); };
    }
    ~BitmapCanvas() override { Release(); }

    void Release() {
        m_selection.reset();
        SetHandle(nullptr);
        m_dc.Reset();
    }

protected:
    void CreateHandle() override {
        // Drawing writes: a copy sharing the pixels keeps the old picture.
        // (Made first: a new picture releases this canvas.)
        m_owner.MakeOwn();
        m_dc.Reset(CreateCompatibleDC(nullptr));
        if (!m_dc) throw Exception("Out of system resources", ErrorKind::OutOfResources);
        m_selection.emplace(m_dc.Get(), m_owner.m_pixels ? m_owner.m_pixels->dib.Get() : nullptr);
        SetHandle(m_dc.Get());
    }

private:
    Bitmap& m_owner;
    base::MemoryDC m_dc;
    std::optional<SelectObjectScope> m_selection;
};

Bitmap::Bitmap() = default;

Bitmap::Bitmap(int width, int height, PixelFormat format) : m_format(format) {
    Recreate(width, height, format, false);
}

Bitmap::Bitmap(Bitmap&& other) noexcept {
    *this = std::move(other);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other) return *this;
    // Each canvas draws on its own owner's handle: let both go first.
    m_canvas.reset();
    other.m_canvas.reset();
    m_pixels = std::move(other.m_pixels);
    m_width = std::exchange(other.m_width, 0);
    m_height = std::exchange(other.m_height, 0);
    m_format = std::exchange(other.m_format, PixelFormat::Bits24);
    m_transparent = std::exchange(other.m_transparent, false);
    m_transparentMode = std::exchange(other.m_transparentMode, frame::TransparentMode::Auto);
    m_transparentColor = std::exchange(other.m_transparentColor, 0);
    OnChange = std::move(other.OnChange);
    other.OnChange = nullptr;
    return *this;
}

Bitmap::~Bitmap() {
    m_canvas.reset();
}

int Bitmap::BitsPerPixel() const {
    return BitsOf(m_format);
}

int Bitmap::Stride() const {
    return m_pixels ? m_pixels->stride : 0;
}

void Bitmap::ReleaseCanvasSelection() const {
    if (m_canvas) m_canvas->Release();
    GdiFlush();
}

void Bitmap::Recreate(int width, int height, PixelFormat format, bool keepPicture) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    ReleaseCanvasSelection();

    std::shared_ptr<Pixels> pixels;
    if (width > 0 && height > 0) {
        DibInfo info = {};
        info.header.biSize = sizeof(BITMAPINFOHEADER);
        info.header.biWidth = width;
        info.header.biHeight = -height;  // top-down rows
        info.header.biPlanes = 1;
        info.header.biBitCount = static_cast<WORD>(BitsOf(format));
        info.header.biCompression = BI_RGB;
        if (format == PixelFormat::Bits4) {
            info.header.biClrUsed = 16;
            std::memcpy(info.palette, kVgaPalette, sizeof kVgaPalette);
        }
        void* raw = nullptr;
        pixels = std::make_shared<Pixels>();
        pixels->dib.Reset(
            CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &raw, nullptr, 0));
        if (!pixels->dib) throw Exception("Out of system resources", ErrorKind::OutOfResources);
        pixels->bits = static_cast<std::uint8_t*>(raw);
        pixels->stride = ((width * BitsOf(format) + 31) / 32) * 4;
        std::uint8_t* const bits = pixels->bits;
        const int stride = pixels->stride;
        std::memset(bits, 0, static_cast<size_t>(stride) * height);

        if (keepPicture && m_pixels && !Empty()) {
            int copyWidth = std::min(width, m_width);
            int copyHeight = std::min(height, m_height);
            if (format == m_format && format != PixelFormat::Bits4) {
                size_t rowBytes = static_cast<size_t>(copyWidth) * BitsOf(format) / 8;
                for (int y = 0; y < copyHeight; ++y)
                    std::memcpy(bits + static_cast<size_t>(y) * stride,
                                m_pixels->bits + static_cast<size_t>(y) * m_pixels->stride, rowBytes);
            } else {
                base::MemoryDC source(CreateCompatibleDC(nullptr));
                base::MemoryDC target(CreateCompatibleDC(nullptr));
                SelectObjectScope selectSource(source.Get(), m_pixels->dib.Get());
                SelectObjectScope selectTarget(target.Get(), pixels->dib.Get());
                BitBlt(target.Get(), 0, 0, copyWidth, copyHeight, source.Get(), 0, 0, SRCCOPY);
                GdiFlush();
            }
        }
    }
    m_pixels = std::move(pixels);
    m_width = width;
    m_height = height;
    m_format = format;
}

void Bitmap::SetPixelFormat(PixelFormat format) {
    if (format == m_format) return;
    Recreate(m_width, m_height, format, true);
    Changed();
}

void Bitmap::SetSize(int width, int height) {
    if (width == m_width && height == m_height) return;
    Recreate(width, height, m_format, true);
    Changed();
}

void Bitmap::Reshape(int width, int height, PixelFormat format) {
    if (HasShape(width, height, format)) {
        GdiFlush();
        std::memset(m_pixels->bits, 0, static_cast<size_t>(m_pixels->stride) * static_cast<size_t>(m_height));
        return;
    }
    Recreate(width, height, format, false);
}

std::uint8_t* Bitmap::ScanLine(int row) {
    if (!m_pixels || row < 0 || row >= m_height)
        throw Exception("Scan line index out of range", ErrorKind::InvalidOperation);
    MakeOwn();
    GdiFlush();
    return m_pixels->bits + static_cast<size_t>(row) * m_pixels->stride;
}

const std::uint8_t* Bitmap::ScanLine(int row) const {
    if (!m_pixels || row < 0 || row >= m_height)
        throw Exception("Scan line index out of range", ErrorKind::InvalidOperation);
    GdiFlush();
    return m_pixels->bits + static_cast<size_t>(row) * m_pixels->stride;
}

HBITMAP Bitmap::Handle() {
    MakeOwn();
    ReleaseCanvasSelection();
    return m_pixels ? m_pixels->dib.Get() : nullptr;
}

HBITMAP Bitmap::SharedHandle() const {
    ReleaseCanvasSelection();
    return m_pixels ? m_pixels->dib.Get() : nullptr;
}

Bitmap::ReadDC::ReadDC(const Bitmap& bitmap) {
    if (!bitmap.Shared()) {
        // Only this bitmap holds the pixels: its kept canvas serves.
        m_dc = const_cast<Bitmap&>(bitmap).Canvas().Handle();
        return;
    }
    m_memory.Reset(CreateCompatibleDC(nullptr));
    if (!m_memory) throw Exception("Out of system resources", ErrorKind::OutOfResources);
    m_selection.emplace(m_memory.Get(), bitmap.m_pixels->dib.Get());
    m_dc = m_memory.Get();
}

bool Bitmap::Shared() const {
    return m_pixels && m_pixels.use_count() > 1;
}

void Bitmap::MakeOwn() {
    if (!Shared()) return;
    Recreate(m_width, m_height, m_format, true);
}

void Bitmap::SharePixelsOf(const Bitmap& source) {
    // A bitmap lives in one DC at a time: neither canvas may keep it.
    source.ReleaseCanvasSelection();
    ReleaseCanvasSelection();
    m_pixels = source.m_pixels;
    m_width = source.m_width;
    m_height = source.m_height;
    m_format = source.m_format;
}

Canvas& Bitmap::Canvas() {
    if (!m_canvas) m_canvas = std::make_unique<BitmapCanvas>(*this);
    return *m_canvas;
}

void Bitmap::Assign(const Bitmap& source) {
    if (&source == this) return;
    SharePixelsOf(source);
    TakeSettings(source);
    Changed();
}

void Bitmap::AssignPixels(const Bitmap& source) {
    if (&source == this) return;
    SharePixelsOf(source);
    Changed();
}

bool Bitmap::HasShape(int width, int height, PixelFormat format) const {
    return m_pixels && !Shared() && m_width == width && m_height == height && m_format == format;
}

void Bitmap::TakeSettings(const Bitmap& source) {
    m_transparent = source.m_transparent;
    m_transparentMode = source.m_transparentMode;
    m_transparentColor = source.m_transparentColor;
}

void Bitmap::AssignAs(const Bitmap& source, PixelFormat format) {
    const bool dropAlpha = source.m_format == PixelFormat::Bits32 && format == PixelFormat::Bits24;
    if (&source == this || !dropAlpha || source.Empty()) {
        Assign(source);
        SetPixelFormat(format);
        return;
    }
    if (HasShape(source.m_width, source.m_height, format))
        ReleaseCanvasSelection();
    else
        Recreate(source.m_width, source.m_height, format, false);
    GdiFlush();
    for (int y = 0; y < m_height; ++y) {
        const std::uint8_t* from = source.ScanLine(y);
        std::uint8_t* to = m_pixels->bits + static_cast<size_t>(y) * m_pixels->stride;
        for (int x = 0; x < m_width; ++x, from += 4, to += 3) std::memcpy(to, from, 3);
    }
    TakeSettings(source);
    Changed();
}

void Bitmap::AdoptHandle(HBITMAP source) {
    base::GdiBitmap owned(source);
    BITMAP info = {};
    if (!GetObjectA(source, sizeof info, &info)) throw Exception("Bitmap image is not valid", ErrorKind::InvalidGraphic);
    PixelFormat format = info.bmBitsPixel == 32 ? PixelFormat::Bits32
                         : info.bmBitsPixel <= 4 ? PixelFormat::Bits4
                                                 : PixelFormat::Bits24;
    Recreate(info.bmWidth, std::abs(info.bmHeight), format, false);
    if (!Empty()) {
        base::MemoryDC sourceDC(CreateCompatibleDC(nullptr));
        base::MemoryDC targetDC(CreateCompatibleDC(nullptr));
        SelectObjectScope selectSource(sourceDC.Get(), source);
        SelectObjectScope selectTarget(targetDC.Get(), m_pixels->dib.Get());
        BitBlt(targetDC.Get(), 0, 0, m_width, m_height, sourceDC.Get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    Changed();
}

void Bitmap::LoadFromFile(const std::string& path) {
    // Open first so a missing file reports as such, not as a bad image.
    base::FileHandle probe(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!probe) throw FileOpenError(path, GetLastError());
    probe.Reset();
    HANDLE loaded = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!loaded) throw Exception("Bitmap image is not valid: " + path, ErrorKind::InvalidGraphic);
    AdoptHandle(static_cast<HBITMAP>(loaded));
}

void Bitmap::LoadFromResourceName(HINSTANCE module, const char* name) {
    const ResourceBytes resource(module, name, RT_BITMAP);
    if (resource.Empty()) throw Exception(std::string("Resource ") + name + " not found", ErrorKind::InvalidGraphic);
    const auto invalid = [name] {
        return Exception(std::string("Resource ") + name + " is not a bitmap", ErrorKind::InvalidGraphic);
    };
    if (resource.Size() < sizeof(BITMAPINFOHEADER)) throw invalid();
    BITMAPINFOHEADER header;
    resource.CopyTo(0, &header, sizeof header);
    const int width = header.biWidth, height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    if (header.biSize < sizeof header || header.biSize > resource.Size() || width <= 0 || height <= 0 ||
        width > 0x7FFF || height > 0x7FFF || header.biPlanes != 1)
        throw invalid();
    size_t colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8) colours = size_t{1} << header.biBitCount;
    if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof header) colours = 3;
    const size_t bitsOffset = header.biSize + colours * sizeof(RGBQUAD);
    const size_t rows = static_cast<size_t>(((width * header.biBitCount + 31) / 32) * 4) * height;
    const bool packed = header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS;
    if (bitsOffset > resource.Size() || (packed && resource.Size() - bitsOffset < rows)) throw invalid();

    const PixelFormat format = header.biBitCount == 32 ? PixelFormat::Bits32
                               : header.biBitCount <= 4 ? PixelFormat::Bits4
                                                        : PixelFormat::Bits24;
    Bitmap loaded(width, height, format);
    if (header.biCompression == BI_RGB && (header.biBitCount == 24 || header.biBitCount == 32)) {
        // The rows are laid out as the bitmap's own: read them straight in,
        // then turn a bottom-up picture top row first.
        std::uint8_t* bits = loaded.m_pixels->bits;
        resource.CopyTo(bitsOffset, bits, rows);
        if (header.biHeight > 0) {
            const size_t stride = static_cast<size_t>(loaded.m_pixels->stride);
            for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
                std::uint8_t* upper = bits + stride * static_cast<size_t>(top);
                std::swap_ranges(upper, upper + stride, bits + stride * static_cast<size_t>(bottom));
            }
        }
    } else {
        std::vector<std::uint8_t> packedInfo(resource.Size());
        resource.CopyTo(0, packedInfo.data(), packedInfo.size());
        const auto* info = reinterpret_cast<const BITMAPINFO*>(packedInfo.data());
        if (!SetDIBits(ScreenMeasureDC(), loaded.m_pixels->dib.Get(), 0, static_cast<UINT>(height),
                       packedInfo.data() + bitsOffset, info, DIB_RGB_COLORS))
            throw invalid();
    }
    GdiFlush();
    SharePixelsOf(loaded);
    Changed();
}

void Bitmap::SetTransparent(bool transparent) {
    if (transparent == m_transparent) return;
    m_transparent = transparent;
    Changed();
}

void Bitmap::SetTransparentMode(frame::TransparentMode mode) {
    if (mode == m_transparentMode) return;
    m_transparentMode = mode;
    Changed();
}

Color Bitmap::TransparentColor() const {
    if (m_transparentMode == frame::TransparentMode::Fixed) return m_transparentColor;
    if (Empty()) return colors::Black;
    return PixelColor(0, m_height - 1);
}

void Bitmap::SetTransparentColor(Color color) {
    m_transparentColor = color;
    m_transparentMode = frame::TransparentMode::Fixed;
    Changed();
}

COLORREF Bitmap::PixelColor(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
    const std::uint8_t* row = ScanLine(y);
    switch (m_format) {
    case PixelFormat::Bits4: {
        std::uint8_t byte = row[x / 2];
        const RGBQUAD& entry = kVgaPalette[(x % 2 == 0) ? (byte >> 4) : (byte & 0x0F)];
        return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
    }
    case PixelFormat::Bits24: {
        const std::uint8_t* p = row + x * 3;
        return RGB(p[2], p[1], p[0]);
    }
    case PixelFormat::Bits32: {
        const std::uint8_t* p = row + x * 4;
        return RGB(p[2], p[1], p[0]);
    }
    }
    return 0;
}

void Bitmap::Changed() {
    if (m_changeHolds > 0) {
        m_changedWhileHeld = true;
        return;
    }
    if (OnChange) OnChange(*this);
}

Bitmap::ChangeBatch::ChangeBatch(Bitmap& bitmap) : m_bitmap(bitmap), m_exceptions(std::uncaught_exceptions()) {
    ++m_bitmap.m_changeHolds;
}

Bitmap::ChangeBatch::~ChangeBatch() {
    if (--m_bitmap.m_changeHolds > 0 || !m_bitmap.m_changedWhileHeld) return;
    m_bitmap.m_changedWhileHeld = false;
    if (std::uncaught_exceptions() == m_exceptions) m_bitmap.Changed();
}

}  // namespace frame
