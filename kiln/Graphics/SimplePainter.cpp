#include "kiln/Graphics/SimplePainter.h"

namespace kiln {

void SimplePainter::Prepare() {
    frame::Canvas& canvas = m_layer.Canvas();
    canvas.Brush().style = frame::Brush::Style::Solid;
}

void SimplePainter::CopyBitmap(frame::Bitmap& bitmap, int x, int y) {
    frame::Canvas& canvas = m_layer.Canvas();
    const DWORD previousMode = canvas.CopyMode();
    canvas.SetCopyMode(SRCCOPY);
    const RECT source{0, 0, bitmap.Width(), bitmap.Height()};
    const RECT destination{x, y, x + bitmap.Width(), y + bitmap.Height()};
    canvas.CopyRect(destination, bitmap.Canvas(), source);
    canvas.SetCopyMode(previousMode);
}

void SimplePainter::FillBackground(const RECT& rect) {
    frame::Canvas& canvas = m_layer.Canvas();
    const frame::Brush previous = canvas.Brush();
    canvas.Brush().style = frame::Brush::Style::Solid;
    canvas.Brush().color = m_layer.Background();
    canvas.FillRect(rect);
    canvas.Brush() = previous;
}

}  // namespace kiln
