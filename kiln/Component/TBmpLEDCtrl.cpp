#include "kiln/Component/TBmpLEDCtrl.h"

#include "kiln/Graphics/LayerFormat.h"
#include "base/Diagnostics.h"

namespace kiln {
namespace {

int CheckedCount(int stateCount) {
    BASE_ASSERT(stateCount > 0, "kiln/Component/Source/TBmpLEDCtrl");
    return stateCount;
}

}  // namespace

TBmpLEDCtrl::TBmpLEDCtrl(int stateCount) : TBmpLEDCtrl(stateCount, ScreenLayerPixelFormat()) {}

TBmpLEDCtrl::TBmpLEDCtrl(int stateCount, frame::PixelFormat layerFormat)
    : m_layer(layerFormat), m_painter(m_layer), m_led(CheckedCount(stateCount), &m_painter) {
    for (int i = 0; i < m_led.StateCount(); ++i)
        m_led.Bitmap(i).OnChange = [this](frame::Bitmap& bitmap) { BitmapChanged(bitmap); };
    m_led.SetState(0);
}

void TBmpLEDCtrl::SetState(int index) {
    if (index == m_led.State()) return;
    m_led.SetState(index);
}

void TBmpLEDCtrl::Redraw() {
    m_led.Redraw();
    m_layer.Repaint();
}

void TBmpLEDCtrl::BitmapChanged(frame::Bitmap& bitmap) {
    const int index = m_led.IndexOf(bitmap);
    if (index >= 0 && index == m_led.State()) Redraw();
}

}  // namespace kiln
