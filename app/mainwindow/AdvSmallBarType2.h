#pragma once
// The wide option-row slider of the one-column expert layout.

#include "app/mainwindow/AdvSmallBar.h"

class AdvSmallBarType2 : public AdvSmallBar {
public:
    using AdvSmallBar::AdvSmallBar;

protected:
    const char* SliderImageName() const override { return skin::smallSliderType2; }
};
