#include "kiln/Graphics/CanvasCapture.h"

#include "frame/Handles.h"

namespace kiln {

DibSection CaptureRect(HDC dc, const RECT& rect) {
    DibSection capture(rect.right - rect.left, rect.bottom - rect.top, 24);
    if (capture.Empty()) return capture;
    frame::MemoryDC memory(CreateCompatibleDC(dc));
    {
        frame::SelectObjectScope select(memory.Get(), capture.Handle());
        BitBlt(memory.Get(), 0, 0, capture.Width(), capture.Height(), dc, rect.left, rect.top, SRCCOPY);
    }
    GdiFlush();
    return capture;
}

void PutBitmap(HDC dc, int x, int y, const DibSection& bitmap) {
    if (bitmap.Empty()) return;
    GdiFlush();
    frame::MemoryDC memory(CreateCompatibleDC(dc));
    frame::SelectObjectScope select(memory.Get(), bitmap.Handle());
    BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace kiln
