#include "frame/Canvas.h"

#include "frame/Bitmap.h"
#include "frame/DCScope.h"
#include "frame/Exception.h"

namespace frame {

HDC Canvas::Handle() {
    if (!m_dc) CreateHandle();
    if (!m_dc) throw Exception("Canvas does not allow drawing", ErrorKind::InvalidOperation);
    return m_dc;
}

void Canvas::Changed() {
    if (OnChange) OnChange(*this);
}

void Canvas::FillRect(const RECT& rect) {
    if (m_brush.style == Brush::Style::Clear) return;
    base::GdiBrush brush(CreateSolidBrush(ColorToRGB(m_brush.color)));
    ::FillRect(Handle(), &rect, brush.Get());
    Changed();
}

void Canvas::Rectangle(const RECT& rect) {
    HDC dc = Handle();
    base::GdiPen pen(CreatePen(PS_SOLID, m_pen.width, ColorToRGB(m_pen.color)));
    base::GdiBrush brush(m_brush.style == Brush::Style::Clear ? nullptr : CreateSolidBrush(ColorToRGB(m_brush.color)));
    SelectObjectScope selectPen(dc, pen.Get());
    SelectObjectScope selectBrush(dc, brush ? static_cast<HGDIOBJ>(brush.Get()) : GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    Changed();
}

void Canvas::Draw(int x, int y, const Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    HDC dc = Handle();
    const Bitmap::ReadDC reader(bitmap);
    HDC source = reader.Get();
    if (bitmap.Transparent()) {
        GdiTransparentBlt(dc, x, y, bitmap.Width(), bitmap.Height(), source, 0, 0, bitmap.Width(), bitmap.Height(),
                       ColorToRGB(bitmap.TransparentColor()));
    } else {
        BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), source, 0, 0, m_copyMode);
    }
    Changed();
}

void Canvas::StretchDraw(const RECT& dest, const Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    HDC dc = Handle();
    const Bitmap::ReadDC reader(bitmap);
    HDC source = reader.Get();
    int width = dest.right - dest.left;
    int height = dest.bottom - dest.top;
    if (bitmap.Transparent()) {
        GdiTransparentBlt(dc, dest.left, dest.top, width, height, source, 0, 0, bitmap.Width(), bitmap.Height(),
                       ColorToRGB(bitmap.TransparentColor()));
    } else {
        int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, dest.left, dest.top, width, height, source, 0, 0, bitmap.Width(), bitmap.Height(), m_copyMode);
        SetStretchBltMode(dc, oldMode);
    }
    Changed();
}

void Canvas::CopyRect(const RECT& dest, Canvas& source, const RECT& sourceRect) {
    HDC dc = Handle();
    int width = dest.right - dest.left;
    int height = dest.bottom - dest.top;
    int sourceWidth = sourceRect.right - sourceRect.left;
    int sourceHeight = sourceRect.bottom - sourceRect.top;
    if (width == sourceWidth && height == sourceHeight) {
        BitBlt(dc, dest.left, dest.top, width, height, source.Handle(), sourceRect.left, sourceRect.top, m_copyMode);
    } else {
        int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, dest.left, dest.top, width, height, source.Handle(), sourceRect.left, sourceRect.top,
                   sourceWidth, sourceHeight, m_copyMode);
        SetStretchBltMode(dc, oldMode);
    }
    Changed();
}

void Canvas::PrepareText(HDC dc) {
    SetTextColor(dc, ColorToRGB(m_font.GetColor()));
    if (m_brush.style == Brush::Style::Clear) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(m_brush.color));
    }
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    HDC dc = Handle();
    SelectObjectScope selectFont(dc, m_font.Handle());
    PrepareText(dc);
    ::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    Changed();
}

int Canvas::DrawText(const std::string& text, RECT& rect, UINT format) {
    HDC dc = Handle();
    SelectObjectScope selectFont(dc, m_font.Handle());
    PrepareText(dc);
    int height = ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    if (!(format & DT_CALCRECT)) Changed();
    return height;
}

int Canvas::DrawWideText(const std::wstring& text, RECT& rect, UINT format) {
    HDC dc = Handle();
    SelectObjectScope selectFont(dc, m_font.Handle());
    PrepareText(dc);
    int height = ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    if (!(format & DT_CALCRECT)) Changed();
    return height;
}

SIZE Canvas::TextExtent(const std::string& text) {
    HDC dc = Handle();
    SelectObjectScope selectFont(dc, m_font.Handle());
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void Canvas::SetPixel(int x, int y, Color color) {
    ::SetPixel(Handle(), x, y, ColorToRGB(color));
    Changed();
}

}  // namespace frame
