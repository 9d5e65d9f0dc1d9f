#pragma once
// A figure that is one bitmap, drawn by a painter onto its layer.

#include "kiln/Graphics/Figure/Figure.h"
#include "kiln/Graphics/SimplePainter.h"

#include <memory>

namespace kiln {

class BitmapFigure : public Figure {
public:
    explicit BitmapFigure(SimplePainter* painter) : m_painterPtr(painter) {}

    void Draw() override;
    void Erase() override;
    void MoveBy(int dx, int dy) override;
    int X() const override { return m_x; }
    int Y() const override { return m_y; }
    int Width() const override { return m_bitmap ? m_bitmap->Width() : 0; }
    int Height() const override { return m_bitmap ? m_bitmap->Height() : 0; }

protected:
    frame::Bitmap& EnsureBitmap();

    SimplePainter* m_painterPtr;

private:
    int m_x = 0;
    int m_y = 0;
    std::unique_ptr<frame::Bitmap> m_bitmap;
};

class TBitmapFigure : public BitmapFigure {
public:
    using BitmapFigure::BitmapFigure;
    // Takes a copy of the picture in the layer's pixel format.
    void SetPicture(const frame::Bitmap& picture);
};

}  // namespace kiln
