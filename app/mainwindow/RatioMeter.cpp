#include "app/mainwindow/RatioMeter.h"

#include "app/mainwindow/WidgetParts.h"
#include "kiln/Graphics/BitmapView.h"
#include "kiln/Graphics/Blend.h"
#include "kiln/Graphics/CanvasCapture.h"
#include "resources/SkinNames.h"

namespace {

void BlendWhole(const frame::Bitmap& piece, const kiln::PixelView& target, int x, int y) {
    kiln::Blend(kiln::ReadViewOf(piece), RECT{0, 0, piece.Width(), piece.Height()}, target, x, y, 255);
}

}  // namespace

RatioMeter::RatioMeter()
    : m_background(LoadSkinPicture(skin::ratioBarBackground)),
      m_light{LoadSkinPicture(skin::ratioFillBottom), LoadSkinPicture(skin::ratioFillMiddle),
              LoadSkinPicture(skin::ratioFillTop)},
      m_yellow{LoadSkinPicture(skin::ratioHoverFillBottom), LoadSkinPicture(skin::ratioHoverFillMiddle),
               LoadSkinPicture(skin::ratioHoverFillTop)} {}

void RatioMeter::PlaceOver(const frame::Bitmap& underlay, int x, int y) {
    const frame::Bitmap::ReadDC reader(underlay);
    frame::Bitmap opaque =
        kiln::CaptureRect(reader.Get(), RECT{x, y, x + m_background.Width(), y + m_background.Height()});
    BlendWhole(m_background, kiln::ViewOf(opaque), 0, 0);
    opaque.Changed();
    m_background = std::move(opaque);
}

void RatioMeter::Fill(frame::Bitmap& meter, int level, bool yellow) {
    // The copy and the blends are one change, marked for repainting once.
    const frame::Bitmap::ChangeBatch batch(meter);
    std::array<frame::Bitmap, 3>& pieces = yellow ? m_yellow : m_light;
    CopyPicture(m_background, meter);
    const kiln::PixelView target = kiln::ViewOf(meter);
    BlendWhole(pieces[Bottom], target, kLeft, kBottom);
    // The middle piece is stretched over the level, one source row per
    // target row, nearest first.
    const frame::Bitmap& middle = pieces[Middle];
    if (level > 0 && !middle.Empty()) {
        const kiln::PixelView source = kiln::ReadViewOf(middle);
        for (int row = 0; row < level; ++row) {
            const int sourceRow = row * source.height / level;
            kiln::Blend(source, RECT{0, sourceRow, source.width, sourceRow + 1}, target, kLeft,
                        kBottom - level + row, 255);
        }
    }
    BlendWhole(pieces[Top], target, kLeft, kBottom - level - pieces[Top].Height());
    meter.Changed();
}
