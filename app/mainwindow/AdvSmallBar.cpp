#include "app/mainwindow/AdvSmallBar.h"

#include "kiln/Graphics/BitmapView.h"

#include <algorithm>

namespace {

const ScrollBarLook kSmallLook{
    skin::smallKnobNormal,
    skin::smallKnobHover,
    POINT{0, 2},
    skin::smallDecrease,
    POINT{-18, 0},
    skin::smallIncrease,
    POINT{-3, 0},
    true,
    "vCore Volt :",
    LabelStyle{-12, false, RGB(40, 255, 217), frame::Alignment::Right},
    LabelBox{-187, 0, 77, 20},
    LabelBox{-106, 2, 30, 22},
    LabelBox{-70, 2, 30, 22},
    LabelBox{-35, 2, 0, 0},
};

constexpr BYTE kFillBlue = 251, kFillGreen = 247, kFillRed = 45;
constexpr int kFillStart = 6;

}  // namespace

const ScrollBarLook& AdvSmallBar::Look() const {
    return kSmallLook;
}

void AdvSmallBar::LoadBarPictures(frame::Bitmap& bar) {
    m_slider = LoadSkinPicture(SliderImageName());
    bar.Assign(m_slider);
}

// The copy and the fill are one change, marked for repainting once.
void AdvSmallBar::PaintFill() {
    frame::Bitmap& bar = BarImage().Picture();
    {
        const frame::Bitmap::ChangeBatch batch(bar);
        CopyPicture(m_slider, bar);
        const int filled = KnobLeftInBar();
        if (filled > 0 && skin::smallSliderFillRow < bar.Height()) {
            const kiln::PixelView view = kiln::ViewOf(bar);
            const int last = std::min(filled + 2, bar.Width() - 1);
            for (int x = kFillStart; x <= last; ++x) {
                BYTE* pixel = view.Pixel(x, skin::smallSliderFillRow);
                pixel[0] = kFillBlue;
                pixel[1] = kFillGreen;
                pixel[2] = kFillRed;
                pixel[3] = 255;
            }
            bar.Changed();
        }
    }
    BarImage().Update();
}
