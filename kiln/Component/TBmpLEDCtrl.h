#pragma once
// The lamp as a control: state bitmaps, the layer they are drawn on and the
// painter, wired so that changing the lit state's picture shows at once.

#include "kiln/Component/LEDCtrl.h"
#include "kiln/Component/LED/BmpLED.h"
#include "kiln/Graphics/ImageLayer.h"
#include "kiln/Graphics/SimplePainter.h"

namespace kiln {

class TBmpLEDCtrl : public LEDCtrl {
public:
    // The layer takes the screen's layer format unless one is given.
    explicit TBmpLEDCtrl(int stateCount);
    TBmpLEDCtrl(int stateCount, frame::PixelFormat layerFormat);
    TBmpLEDCtrl(const TBmpLEDCtrl&) = delete;
    TBmpLEDCtrl& operator=(const TBmpLEDCtrl&) = delete;

    int StateCount() const override { return m_led.StateCount(); }
    int State() const override { return m_led.State(); }
    void SetState(int index) override;
    void Redraw() override;
    void MoveBy(int dx, int dy) override { m_layer.MoveBy(dx, dy); }
    int Left() const override { return m_layer.Position().x; }
    int Top() const override { return m_layer.Position().y; }
    int Width() const override { return m_layer.Width(); }
    int Height() const override { return m_layer.Height(); }

    // The state's bitmap, to be changed in place.
    frame::Bitmap& Bitmap(int index) { return m_led.Bitmap(index); }
    void SetBitmap(const frame::Bitmap& bitmap, int index) { m_led.Bitmap(index).Assign(bitmap); }
    int IndexOf(const frame::Bitmap& bitmap) const { return m_led.IndexOf(bitmap); }

    // What the host shows, and the canvas captions are drawn on.
    ImageLayer& Layer() { return m_layer; }
    frame::Bitmap& Picture() { return m_layer.Picture(); }
    const frame::Bitmap& Picture() const { return m_layer.Picture(); }
    frame::Canvas& Canvas() { return m_layer.Canvas(); }

    // The lamp's own reaction to a state bitmap's change: redraw when it is
    // the lit state's. Whoever takes over a bitmap's OnChange passes it here.
    void BitmapChanged(frame::Bitmap& bitmap);

private:
    ImageLayer m_layer;
    SimplePainter m_painter;
    TBitmapLED m_led;
};

}  // namespace kiln
