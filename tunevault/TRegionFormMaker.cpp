#include "tunevault/TRegionFormMaker.h"

#include "frame/Form.h"
#include "frame/Image.h"

namespace tunevault {

void TRegionFormMaker::ApplyToForm(frame::Form* form, frame::Image* image) {
    m_region.BuildFromBitmap(image->Picture().SharedHandle(), frame::ColorToRGB(m_transparentColor));
    base::GdiRegion placed = m_region.Copy();
    OffsetRgn(placed.Get(), image->Left(), image->Top());
    // The window owns the region from here on.
    if (SetWindowRgn(form->Handle(), placed.Get(), TRUE)) placed.Release();
}

void TRegionFormMaker::RemoveFromWindow(HWND window) {
    SetWindowRgn(window, nullptr, TRUE);
}

}  // namespace tunevault
