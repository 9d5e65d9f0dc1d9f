#pragma once
// The pictures of a ratio bar's level meter: the bar's background, made
// opaque over the window's picture beneath it, and the light and yellow
// fill pieces (bottom, stretched middle, top) it is filled with.

#include "app/mainwindow/WidgetParts.h"
#include "frame/Bitmap.h"

#include <array>

class RatioMeter {
public:
    // Columns of the fill start here; the meter's bottom line is kBottom.
    static constexpr int kLeft = 3;
    static constexpr int kBottom = 146;

    // Reads the background and the six fill pictures.
    RatioMeter();
    RatioMeter(const RatioMeter&) = delete;
    RatioMeter& operator=(const RatioMeter&) = delete;

    // Blends the background over `underlay` at (x, y), where the bar lies on
    // it, so that the meter paints opaquely.
    void PlaceOver(const frame::Bitmap& underlay, int x, int y);
    // Paints into `meter` the meter filled `level` pixels up from its bottom
    // line, in the yellow pieces while the pointer is over the bar.
    void Fill(frame::Bitmap& meter, int level, bool yellow);
    // Paints the meter without fill.
    void Empty(frame::Bitmap& meter) { CopyPicture(m_background, meter); }

private:
    enum Piece { Bottom, Middle, Top };

    frame::Bitmap m_background;
    std::array<frame::Bitmap, 3> m_light;
    std::array<frame::Bitmap, 3> m_yellow;
};
