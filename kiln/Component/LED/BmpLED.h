#pragma once
// A lamp whose states are bitmaps: lighting a state copies its bitmap into
// the figure and draws it.

#include "frame/Bitmap.h"
#include "kiln/Component/LED/LED.h"
#include "kiln/Graphics/Figure/BmpFigure.h"

#include <memory>
#include <vector>

namespace kiln {

struct BitmapLEDHelper {
    explicit BitmapLEDHelper(SimplePainter* painter) : figure(painter) {}
    int state = -1;
    TBitmapFigure figure;
};

class TBitmapLED : public LED {
public:
    TBitmapLED(int stateCount, SimplePainter* painter);
    ~TBitmapLED() override;
    TBitmapLED(const TBitmapLED&) = delete;
    TBitmapLED& operator=(const TBitmapLED&) = delete;

    int StateCount() const override { return static_cast<int>(m_bitmaps.size()); }
    int State() const override { return m_helper.state; }
    void SetState(int state) override;
    void Redraw() override;
    Figure& GetFigure() override { return m_helper.figure; }

    frame::Bitmap& Bitmap(int index);
    // -1 when the bitmap is not one of this lamp's states.
    int IndexOf(const frame::Bitmap& bitmap) const;

private:
    void Paint();

    std::vector<std::unique_ptr<frame::Bitmap>> m_bitmaps;
    BitmapLEDHelper m_helper;
};

}  // namespace kiln
