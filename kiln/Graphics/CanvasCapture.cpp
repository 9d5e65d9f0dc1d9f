#include "kiln/Graphics/CanvasCapture.h"

#include "base/Handles.h"
#include "frame/DCScope.h"

namespace kiln {

frame::Bitmap CaptureRect(HDC dc, const RECT& rect) {
    frame::Bitmap capture(rect.right - rect.left, rect.bottom - rect.top, frame::PixelFormat::Bits24);
    if (capture.Empty()) return capture;
    base::MemoryDC memory(CreateCompatibleDC(dc));
    {
        frame::SelectObjectScope select(memory.Get(), capture.Handle());
        BitBlt(memory.Get(), 0, 0, capture.Width(), capture.Height(), dc, rect.left, rect.top, SRCCOPY);
    }
    GdiFlush();
    return capture;
}

void PutBitmap(HDC dc, int x, int y, const frame::Bitmap& bitmap) {
    if (bitmap.Empty()) return;
    GdiFlush();
    base::MemoryDC memory(CreateCompatibleDC(dc));
    frame::SelectObjectScope select(memory.Get(), bitmap.SharedHandle());
    BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace kiln
