#pragma once
// The sliders of the option rows: a short slider whose track is the slider
// picture's width less 25 pixels, filled with a bright line up to the knob,
// the item's name cut with "..." when it does not fit.

#include "app/mainwindow/AdvScrollBar.h"

class AdvSmallBar : public AdvScrollBar {
public:
    using AdvScrollBar::AdvScrollBar;

    int TrackLength() const override { return m_slider.Width() - 25; }
    int TrackOrigin() const override { return 0; }

protected:
    virtual const char* SliderImageName() const { return skin::smallSlider; }
    const ScrollBarLook& Look() const override;
    void LoadBarPictures(frame::Bitmap& bar) override;
    void PaintFill() override;

private:
    // A clean copy of the slider picture that every fill starts from.
    frame::Bitmap m_slider;
};
