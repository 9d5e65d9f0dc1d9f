#pragma once
// The sliders of the compact area: a 300-pixel track on a coloured bar that
// lights up to the knob, the caption "<item name> :" on the left and the
// chosen value and unit packed against the bar.

#include "app/mainwindow/AdvScrollBar.h"

class AdvLargeBar : public AdvScrollBar {
public:
    using AdvScrollBar::AdvScrollBar;

    int TrackLength() const override { return 300; }
    int TrackOrigin() const override { return -3; }

protected:
    const ScrollBarLook& Look() const override;
    void LoadBarPictures(frame::Bitmap& bar) override;
    void PaintFill() override;
    void Bound() override;

private:
    frame::Bitmap m_light;
    WatchedSkinPicture m_dark{skin::largeBarDark};
};
