#include "app/mainwindow/AdvLargeBar.h"

#include "kiln/Graphics/BitmapView.h"

#include <algorithm>
#include <cstring>

namespace {

const ScrollBarLook kLargeLook{
    skin::largeKnobNormal,
    skin::largeKnobHover,
    POINT{-3, -6},
    skin::largeDecrease,
    POINT{-22, 1},
    skin::largeIncrease,
    POINT{312, 1},
    false,
    "CPU Frequency :",
    LabelStyle{-12, true, RGB(104, 221, 255), frame::Alignment::Right},
    LabelBox{-277, -4, 130, 22},
    LabelBox{-133, -1, 35, 22},
    // Chosen value and unit are packed against the bar once their texts are known.
    LabelBox{0, 0, 35, 22},
    LabelBox{},
};

}  // namespace

const ScrollBarLook& AdvLargeBar::Look() const {
    return kLargeLook;
}

void AdvLargeBar::LoadBarPictures(frame::Bitmap& bar) {
    LoadSkinPicture(bar, skin::largeBarDark);
    m_light = LoadSkinPicture(skin::largeBarLight);
}

void AdvLargeBar::PaintFill() {
    // The fill is painted over a fresh copy of the dark picture rather than
    // undone; a changed file shows at the next update. The copy and the fill
    // are one change, marked for repainting once.
    frame::Bitmap& bar = BarImage().Picture();
    {
        const frame::Bitmap::ChangeBatch batch(bar);
        CopyPicture(m_dark.Current(), bar);
        const int lit = std::min({KnobLeftInBar() + 5, bar.Width(), m_light.Width()});
        if (lit > 0) {
            const kiln::PixelView dark = kiln::ViewOf(bar);
            const kiln::PixelView light = kiln::ReadViewOf(m_light);
            const int rows = std::min(dark.height, light.height);
            for (int y = 0; y < rows; ++y) std::memcpy(dark.Row(y), light.Row(y), static_cast<size_t>(lit) * 4);
            bar.Changed();
        }
    }
    BarImage().Update();
}

void AdvLargeBar::Bound() {
    frame::Label& unit = UnitLabel();
    frame::Label& chosen = ChosenLabel();
    const int unitLeft = Left() - unit.Width() - 26;
    unit.SetBounds(unitLeft, Top() - 1, unit.Width(), unit.Height());
    chosen.SetBounds(unitLeft - chosen.Width() - 4, Top() - 1, chosen.Width(), chosen.Height());
    CaptionLabel().SetCaption(CaptionLabel().Caption() + " :");
}
