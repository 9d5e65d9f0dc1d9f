// The CPU Ratio page: its backdrop, the level meters with their fills and
// knob, and the Roman numerals naming the cores.

#include <cmath>
#include <string>

#include "tools/skinmaker/Layout.h"
#include "tools/skinmaker/Palette.h"
#include "tools/skinmaker/Shapes.h"
#include "tools/skinmaker/Skin.h"
#include "tools/skinmaker/StrokeFont.h"

namespace skinmaker {

namespace {

using namespace palette;
namespace L = layout;

// Meter geometry inside bar_bg01.png: fills start at column 3, the bottom
// line is row 146 and the track rises 131 rows above it.
constexpr float kMeterLeft = 3, kMeterWidth = 60, kMeterBottom = 146, kTrack = 131;

void DrawChip(Image& img, float cx, float cy) {
    const float half = 52;
    std::vector<std::pair<Point, Point>> pins;
    for (int i = 0; i < 8; ++i) {
        float p = cx - half + 13 + i * 11;
        pins.push_back({{p, cy - half - 9}, {p, cy - half - 2}});
        pins.push_back({{p, cy + half + 2}, {p, cy + half + 9}});
        pins.push_back({{cx - half - 9, p - cx + cy}, {cx - half - 2, p - cx + cy}});
        pins.push_back({{cx + half + 2, p - cx + cy}, {cx + half + 9, p - cx + cy}});
    }
    img.StrokeSegments(pins, 2.2f, Solid(WithAlpha(cyan, 0.28f)));
    const Rect package{cx - half, cy - half, cx + half, cy + half};
    img.FillRoundRect(package, 7, VerticalGradient(Rgb(30, 37, 46), Rgb(16, 20, 26), package.y0, package.y1));
    img.StrokeRoundRect(package, 7, 1, Solid(WithAlpha(cyan, 0.35f)));
    const Rect die = package.Inset(22);
    AddGlow(img, 5, 1.0f, [&](Image& l) { l.StrokeRoundRect(die, 4, 2, Solid(WithAlpha(teal, 0.7f))); });
    img.FillRoundRect(die, 4, VerticalGradient(Rgb(14, 46, 54), Rgb(8, 22, 28), die.y0, die.y1));
    img.StrokeRoundRect(die, 4, 1, Solid(WithAlpha(teal, 0.85f)));
    TextStyle t{11, 1.8f, 0.8f, 0};
    float w = TextWidth("CPU", t);
    AddGlow(img, 3, 0.9f, [&](Image& l) { DrawText(l, "CPU", cx - w / 2, cy - 5.5f, t, Solid(WithAlpha(cyan, 0.8f))); });
    DrawText(img, "CPU", cx - w / 2, cy - 5.5f, t, VerticalGradient(white, pale, cy - 5, cy + 5));
    // Traces running out to the meters.
    for (int i = 0; i < 4; ++i) {
        float y = cy - 30 + i * 20;
        float x1 = 196 + i * 4;
        img.StrokeSegments({{{cx + half + 10, y}, {x1, y}}, {{x1, y}, {x1 + 10, y - 10}}}, 1, Solid(WithAlpha(cyan, 0.16f)));
        img.FillCircle(x1 + 10, y - 10, 2, Solid(WithAlpha(teal, 0.45f)));
    }
}

Image CoreBackground() {
    Image img(L::coreWidth, L::coreHeight, page);
    const Rect inner{2, 2, L::coreWidth - 2.0f, L::coreHeight - 2.0f};
    img.FillRoundRect(inner, 8, VerticalGradient(Rgb(10, 13, 17), Rgb(14, 18, 23), 0, float(L::coreHeight)));
    // Fine grid, brighter towards the meters.
    for (int y = 10; y < L::coreHeight - 6; y += 16)
        for (int x = 6; x < L::coreWidth - 6; ++x)
            img.Blend(x, y, cyan, 0.035f);
    for (int x = 10; x < L::coreWidth - 6; x += 16)
        for (int y = 6; y < L::coreHeight - 6; ++y)
            img.Blend(x, y, cyan, 0.035f);
    img.FillRoundRect(inner, 8, [&](float, float y) { return Color{0, 0, 0, 0.4f * (1 - Smoothstep(2, 12, y))}; });
    img.StrokeRoundRect(inner, 8, 1, Solid(WithAlpha(cyan, 0.2f)));
    TextStyle title{9, 1.5f, 1.2f, 0};
    DrawText(img, "CPU RATIO", 20, 16, title, Solid(WithAlpha(cyan, 0.95f)));
    DrawText(img, "MULTIPLIER PER CORE", 20, 31, {6, 1, 1.2f, 0}, Solid(WithAlpha(cyan, 0.4f)));
    DrawChip(img, 110, 146);
    // Level guides behind the meters, at the track's ends and quarters.
    const float barTop = L::ratioBarY - L::coreY;
    for (int q = 0; q <= 4; ++q) {
        float y = barTop + kMeterBottom - kTrack * q / 4.0f;
        for (int x = 226; x < L::coreWidth - 8; x += 4)
            img.Blend(x, int(y), cyan, q % 4 == 0 ? 0.14f : 0.07f);
    }
    const float right = L::ratioBarX - L::coreX - 12;
    TextStyle label{6, 1, 1.2f, 0};
    DrawText(img, "RATIO", right - TextWidth("RATIO", label), barTop + 186, label, Solid(WithAlpha(teal, 0.55f)));
    DrawText(img, "CLOCK", right - TextWidth("CLOCK", label), barTop + 232, label, Solid(WithAlpha(teal, 0.55f)));
    img.Flatten(page);
    return img;
}

Image MeterBackground() {
    Image img(66, 160);
    const Rect well{1, 4, 65, 156};
    img.FillRoundRect(well, 5, Solid(WithAlpha(Rgb(4, 6, 9), 0.94f)));
    for (float y = kMeterBottom - 8; y > kMeterBottom - kTrack - 4; y -= 8)
        for (int x = 5; x < 62; ++x)
            img.Blend(x, int(y), cyan, 0.05f);
    img.FillRoundRect(well, 5, [](float, float y) { return Color{0, 0, 0, 0.5f * (1 - Smoothstep(4, 14, y))}; });
    img.StrokeRoundRect(well, 5, 1, [](float, float y) { return WithAlpha(cyan, y > 150 ? 0.35f : 0.18f); });
    return img;
}

struct FillColors {
    Color edge, centre, cap;
};

Color Across(const FillColors& c, float x) {
    float t = 1 - std::fabs((x - kMeterWidth / 2) / (kMeterWidth / 2));
    return Mix(c.edge, c.centre, Smoothstep(0, 0.8f, t));
}

Image FillMiddle(const FillColors& c) {
    Image img(int(kMeterWidth), 4);
    img.FillCoverage({0, 0, kMeterWidth, 4}, [](float, float) { return 1.0f; },
                     [&](float x, float) { return WithAlpha(Across(c, x), 0.95f); });
    return img;
}

Image FillBottom(const FillColors& c) {
    Image img(int(kMeterWidth), 6);
    img.FillRoundRect({0, -6, kMeterWidth, 6}, 3, [&](float x, float) { return WithAlpha(Across(c, x), 0.95f); });
    return img;
}

Image FillTop(const FillColors& c) {
    Image img(int(kMeterWidth), 5);
    img.FillCoverage({0, 0, kMeterWidth, 5}, [](float, float) { return 1.0f; }, [&](float x, float y) {
        Color base = WithAlpha(Across(c, x), 0.95f);
        return y < 2 ? WithAlpha(Mix(c.cap, base, 0.15f), 1.0f) : Mix(WithAlpha(c.cap, 1), base, Smoothstep(1.5f, 4.5f, y));
    });
    return img;
}

Image RatioKnob() {
    Image img(62, 20);
    const Rect r{1.5f, 4, 60.5f, 16};
    AddGlow(img, 2, 0.8f, [&](Image& l) { l.StrokeRoundRect(r, 6, 1.5f, Solid(WithAlpha(amber, 0.9f))); });
    img.FillRoundRect(r, 6, VerticalGradient(WithAlpha(white, 0.55f), WithAlpha(Rgb(120, 130, 140), 0.55f), 4, 16));
    img.StrokeRoundRect(r, 6, 1, Solid(WithAlpha(white, 0.9f)));
    img.StrokeSegments({{{27, 7.5f}, {27, 12.5f}}, {{31, 7.5f}, {31, 12.5f}}, {{35, 7.5f}, {35, 12.5f}}}, 1.2f,
                       Solid(WithAlpha(Rgb(30, 36, 44), 0.8f)));
    return img;
}

Image Numeral(int width, int strokes, bool five) {
    Image img(width, 16);
    std::vector<std::pair<Point, Point>> segs;
    float x = 4;
    for (int i = 0; i < strokes; ++i, x += 6)
        segs.push_back({{x, 2}, {x, 14}});
    if (five) {
        segs.push_back({{x - 2, 2}, {x + 2.5f, 14}});
        segs.push_back({{x + 2.5f, 14}, {x + 7, 2}});
    }
    const float right = five ? x + 8.5f : x - 3;
    segs.push_back({{1.5f, 1.5f}, {right, 1.5f}});
    segs.push_back({{1.5f, 14.5f}, {right, 14.5f}});
    AddGlow(img, 2, 0.8f, [&](Image& l) { l.StrokeSegments(segs, 1.8f, Solid(WithAlpha(cyan, 0.7f))); });
    img.StrokeSegments(segs, 1.7f, VerticalGradient(white, pale, 1, 15));
    return img;
}

} // namespace

void DrawRatioPage(Skin& skin) {
    skin.embedded["CoreBk"] = CoreBackground();
    skin.Add("bar_bg01.png", MeterBackground());
    const FillColors light{Rgb(16, 90, 150), Rgb(60, 226, 255), Rgb(225, 252, 255)};
    const FillColors yellow{Rgb(150, 92, 0), Rgb(255, 216, 25), Rgb(255, 248, 200)};
    skin.Add("light_down.png", FillBottom(light));
    skin.Add("light_medium.png", FillMiddle(light));
    skin.Add("light_top.png", FillTop(light));
    skin.Add("yellow_down.png", FillBottom(yellow));
    skin.Add("yellow_medium.png", FillMiddle(yellow));
    skin.Add("yellow_top.png", FillTop(yellow));
    skin.Add("dot_d.png", RatioKnob());
    skin.Add("Numbers\\I.png", Numeral(8, 1, false));
    skin.Add("Numbers\\II.png", Numeral(14, 2, false));
    skin.Add("Numbers\\III.png", Numeral(20, 3, false));
    skin.Add("Numbers\\IV.png", Numeral(20, 1, true));
}

} // namespace skinmaker
