// The large and small sliders: tracks, lit fill and knobs.
//
// The large bar's fill is made by copying the first columns of the lit image
// over the dark one, so both share one outline and differ only inside it.

#include <cmath>

#include "tools/skinmaker/Palette.h"
#include "tools/skinmaker/Shapes.h"
#include "tools/skinmaker/Skin.h"

namespace skinmaker {

namespace {

using namespace palette;

const Rect kGroove{0.5f, 2, 309.5f, 11};

Image DarkBar() {
    Image img(310, 13);
    img.FillRoundRect(kGroove, 4.5f, VerticalGradient(Rgb(4, 6, 8), Rgb(14, 18, 23), 2, 11));
    img.FillRoundRect(kGroove.Inset(1), 3.5f, Solid(WithAlpha(Rgb(30, 70, 86), 0.25f)));
    for (int i = 1; i < 10; ++i) {
        float x = 4.5f + i * 30;
        img.FillCoverage({x, 4, x + 1, 9}, [=](float px, float py) { return (px > x && px < x + 1 && py > 4 && py < 9) ? 1.f : 0.f; },
                         Solid(WithAlpha(cyan, 0.14f)));
    }
    img.StrokeRoundRect(kGroove, 4.5f, 1, [](float, float y) { return WithAlpha(cyan, y > 9 ? 0.28f : 0.12f); });
    return img;
}

Image LightBar() {
    Image img(310, 13);
    AddGlow(img, 2, 0.9f, [](Image& l) {
        l.FillRoundRect(kGroove, 4.5f, HorizontalGradient(WithAlpha(Rgb(20, 120, 220), 0.5f), WithAlpha(teal, 0.7f), 0, 310));
    });
    img.FillRoundRect(kGroove, 4.5f, HorizontalGradient(Rgb(18, 96, 190), fill, 0, 300));
    // A bright core along the middle gives the bar its lit, tubular look.
    img.FillRoundRect({2, 4.5f, 308, 6.5f}, 1, [](float x, float) {
        return WithAlpha(white, 0.15f + 0.35f * Smoothstep(0, 300, x));
    });
    img.StrokeRoundRect(kGroove, 4.5f, 1, Solid(WithAlpha(pale, 0.55f)));
    return img;
}

Image Knob(int width, int height, float cx, float cy, float radius, bool hover) {
    Image img(width, height);
    if (hover)
        AddGlow(img, 2, 1.1f, [&](Image& l) { l.FillCircle(cx, cy, radius + 0.5f, Solid(WithAlpha(cyan, 0.9f))); });
    img.FillCircle(cx, cy + 0.6f, radius + 0.3f, Solid(Color{0, 0, 0, 0.55f}));
    img.FillCircle(cx, cy, radius, VerticalGradient(hover ? white : Rgb(226, 236, 242), hover ? pale : Rgb(112, 134, 150),
                                                    cy - radius, cy + radius));
    img.FillCircle(cx, cy, radius - 1.2f, VerticalGradient(hover ? Rgb(235, 250, 255) : Rgb(200, 212, 220),
                                                           hover ? Rgb(150, 220, 240) : Rgb(140, 160, 174), cy - radius, cy + radius));
    img.FillCircle(cx, cy, radius * 0.36f, Solid(hover ? teal : Rgb(40, 150, 190)));
    return img;
}

Image SmallSlider(int width) {
    Image img(width, 18);
    const Rect groove{3, 6.5f, width - 5.0f, 11.5f};
    img.FillRoundRect(groove, 2.5f, VerticalGradient(Rgb(4, 6, 8), Rgb(12, 15, 19), 6, 12));
    img.StrokeRoundRect(groove, 2.5f, 1, Solid(WithAlpha(cyan, 0.24f)));
    // Row 9 carries the unlit line that the fill brightens.
    for (int x = 6; x < width - 8; ++x)
        img.Blend(x, 9, Rgb(30, 110, 120), 0.55f);
    for (int x = 6; x < width - 8; x += 10)
        img.Blend(x, 14, cyan, 0.18f);
    return img;
}

} // namespace

void DrawSliders(Skin& skin) {
    skin.Add("color_bar_dark01.png", DarkBar());
    skin.Add("color_bar_light01.png", LightBar());
    skin.Add("dot_n.png", Knob(16, 24, 8, 12.5f, 6.5f, false));
    skin.Add("dot_o.png", Knob(16, 24, 8, 12.5f, 6.5f, true));
    skin.Add("small_slider01.png", SmallSlider(100));
    skin.Add("small_slider02.png", SmallSlider(200));
    skin.Add("small_dot_n.png", Knob(16, 14, 8, 7.5f, 5, false));
    skin.Add("small_dot_o.png", Knob(16, 14, 8, 7.5f, 5, true));
}

} // namespace skinmaker
