#include "tunevault/TRegionFormMaker.h"

#include "frame/Form.h"
#include "frame/Image.h"
#include "kiln/Graphics/BitmapView.h"

namespace tunevault {

void TRegionFormMaker::ApplyToForm(frame::Form* form, frame::Image* image) {
    // The picture's own rows are read where they lie: a converted copy of a
    // whole dialog background is a third of a megabyte touched for nothing.
    const frame::Bitmap& picture = image->Picture();
    const COLORREF key = frame::ColorToRGB(m_transparentColor);
    if (const kiln::PixelView pixels = kiln::ReadViewOf(picture); !pixels.Empty())
        m_region.BuildFromPixels(pixels, key);
    else
        m_region.BuildFromBitmap(picture.SharedHandle(), key);
    base::GdiRegion placed = m_region.Copy();
    OffsetRgn(placed.Get(), image->Left(), image->Top());
    // The window owns the region from here on.
    if (SetWindowRgn(form->Handle(), placed.Get(), TRUE)) placed.Release();
}

void TRegionFormMaker::RemoveFromWindow(HWND window) {
    SetWindowRgn(window, nullptr, TRUE);
}

}  // namespace tunevault
