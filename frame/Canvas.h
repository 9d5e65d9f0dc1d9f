#pragma once
// Drawing on a device context. A canvas either borrows a DC (painting a
// window) or, in a derived class, makes its own on demand (a bitmap's).
// Fonts, pens and brushes are selected only for the duration of the call
// that needs them, so the DC is always left as it was found.

#include "frame/Font.h"
#include "frame/Types.h"

#include <functional>
#include <string>

namespace frame {

class Bitmap;

struct Brush {
    enum class Style { Solid, Clear };
    Color color = colors::White;
    Style style = Style::Solid;
};

struct Pen {
    Color color = colors::Black;
    int width = 1;
};

class Canvas {
public:
    Canvas() = default;
    explicit Canvas(HDC dc) : m_dc(dc) {}
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    virtual ~Canvas() = default;

    HDC Handle();
    // Borrows `dc` (nullptr detaches); the caller keeps ownership.
    void SetHandle(HDC dc) { m_dc = dc; }

    frame::Brush& Brush() { return m_brush; }
    frame::Pen& Pen() { return m_pen; }
    frame::Font& Font() { return m_font; }
    // Raster operation for Draw, StretchDraw and CopyRect (SRCCOPY by default).
    DWORD CopyMode() const { return m_copyMode; }
    void SetCopyMode(DWORD mode) { m_copyMode = mode; }

    void FillRect(const RECT& rect);
    void Rectangle(const RECT& rect);
    // Draws the bitmap at (x, y); a bitmap marked transparent leaves its
    // transparent colour out.
    void Draw(int x, int y, const Bitmap& bitmap);
    void StretchDraw(const RECT& dest, const Bitmap& bitmap);
    void CopyRect(const RECT& dest, Canvas& source, const RECT& sourceRect);
    void TextOut(int x, int y, const std::string& text);
    // DrawTextA with this canvas' font and colour; a clear brush draws
    // without background. Returns the text height; DT_CALCRECT updates rect.
    int DrawText(const std::string& text, RECT& rect, UINT format);
    int DrawWideText(const std::wstring& text, RECT& rect, UINT format);
    SIZE TextExtent(const std::string& text);
    void SetPixel(int x, int y, Color color);

    std::function<void(Canvas&)> OnChange;

protected:
    // Called when a drawing operation needs a DC and none is attached.
    virtual void CreateHandle() {}
    void Changed();
    void PrepareText(HDC dc);

private:
    HDC m_dc = nullptr;
    frame::Brush m_brush;
    frame::Pen m_pen;
    frame::Font m_font;
    DWORD m_copyMode = SRCCOPY;
};

}  // namespace frame
