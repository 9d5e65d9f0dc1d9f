#pragma once
// Shapes a dialog with a window region instead of a layered window: the
// pixels of the background picture in its transparent colour (the bottom-left
// pixel's) are cut out of the window once, and dragging the picture moves
// the dialog. The window keeps no layered style, so its shadow window can
// lie under it unchanged.

#include "kiln/Graphics/WinRegion.h"
#include "kiln/widget/ShapedFormMaker.h"

namespace tunevault {

class TRegionFormMaker : public kiln::TShapedFormMaker {
public:
    void ApplyToForm(frame::Form* form, frame::Image* image) override;
    void RemoveFromWindow(HWND window) override;
    void SetTransparentColor(frame::Color color) override { m_transparentColor = color; }
    frame::Color TransparentColor() const override { return m_transparentColor; }

private:
    frame::Color m_transparentColor = 0;
    kiln::WinRegion m_region;
};

}  // namespace tunevault
