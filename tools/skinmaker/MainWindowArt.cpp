// The main window's three backgrounds, their shadows and the strips of the
// profile selector's drop-down panel.
//
// The three backgrounds are one drawing cut at three heights: everything is a
// function of the window position only, so the compact area looks the same in
// all of them and faces blended over one background fit the others.

#include <cmath>

#include "tools/skinmaker/Layout.h"
#include "tools/skinmaker/Palette.h"
#include "tools/skinmaker/Shapes.h"
#include "tools/skinmaker/Skin.h"
#include "tools/skinmaker/StrokeFont.h"

namespace skinmaker {

namespace {

using namespace palette;
namespace L = layout;

Color BodyAt(float x, float y) {
    Color c = Mix(bodyTop, bodyBottom, Smoothstep(10, 260, y));
    // A faint cold light falling in from the top-left corner.
    float d = std::hypot((x - 110) / 1.6f, y - 10);
    return Mix(c, Rgb(40, 70, 90), 0.22f * (1 - Smoothstep(0, 320, d)));
}

void DrawLogo(Image& img, float x, float y, float s) {
    const float cx = x + s / 2, cy = y + s / 2;
    std::vector<std::pair<Point, Point>> diamond = {
        {{cx, y}, {x + s, cy}}, {{x + s, cy}, {cx, y + s}}, {{cx, y + s}, {x, cy}}, {{x, cy}, {cx, y}}};
    std::vector<std::pair<Point, Point>> rune = {{{cx - s * 0.2f, cy - s * 0.16f}, {cx, cy + s * 0.2f}},
                                                 {{cx, cy + s * 0.2f}, {cx + s * 0.2f, cy - s * 0.16f}}};
    AddGlow(img, 3, 1.2f, [&](Image& l) {
        l.StrokeSegments(diamond, 1.6f, Solid(cyan));
        l.StrokeSegments(rune, 1.8f, Solid(teal));
    });
    img.StrokeSegments(diamond, 1.4f, Solid(WithAlpha(cyan, 0.9f)));
    img.StrokeSegments(rune, 1.7f, VerticalGradient(white, teal, cy - s * 0.3f, cy + s * 0.25f));
}

void DrawHeader(Image& img) {
    img.FillCoverage({float(L::shapeLeft), float(L::shapeTop), float(L::shapeRight + 1), 47},
                     [](float, float) { return 1.0f; },
                     [](float, float y) { return Color{1, 1, 1, 0.035f * (1 - Smoothstep(10, 47, y))}; });
    DrawAccentLine(img, 20, 633, 46, cyan, 0.55f);
    img.FillCoverage({20, 47, 633, 48}, [](float x, float y) { return (y > 47 && y < 48 && x > 20 && x < 633) ? 1.f : 0.f; },
                     Solid(Color{0, 0, 0, 0.5f}));
    DrawLogo(img, 18, 17, 22);
    TextStyle title{10, 1.7f, 1.4f, 0};
    AddGlow(img, 3, 0.9f, [&](Image& l) { DrawText(l, "VELTRUNE", 50, 23, title, Solid(WithAlpha(cyan, 0.7f))); });
    DrawText(img, "VELTRUNE", 50, 23, title, VerticalGradient(white, pale, 23, 33));
    TextStyle tag{6, 1.0f, 1.2f, 0};
    float x = 50 + TextWidth("VELTRUNE", title) + 12;
    DrawText(img, "SYSTEM TUNING", x, 27, tag, Solid(WithAlpha(cyan, 0.45f)));
}

void DrawRecess(Image& img, const Rect& r, float radius, float depth) {
    img.FillRoundRect(r, radius, Solid(WithAlpha(well, depth)));
    img.FillRoundRect(r, radius, [&](float, float y) {
        return Color{0, 0, 0, 0.35f * (1 - Smoothstep(r.y0, r.y0 + 7, y))};
    });
    img.StrokeRoundRect(r, radius, 1, [&](float, float y) {
        return WithAlpha(cyan, y > r.y1 - 3 ? 0.16f : 0.07f);
    });
}

void DrawPage(Image& img, int pageBottom) {
    Rect panel{float(L::pageLeft), float(L::pageTop), float(L::pageRight), float(pageBottom)};
    // Flat inside: rows of step buttons are pre-blended anywhere on it.
    img.FillRoundRect(panel, 6, Solid(page));
    img.StrokeRoundRect(panel, 6, 1, Solid(WithAlpha(cyan, 0.24f)));
}

Image Background(int bottom, int pageBottom) {
    Image img(L::mainWidth, L::mainHeight);
    img.FillCoverage({0, 0, float(L::mainWidth), float(L::mainHeight)}, [](float, float) { return 1.0f; }, BodyAt);
    DrawHeader(img);
    DrawRecess(img, {13, 88, 641, 201}, 6, 0.6f);
    if (pageBottom > 0)
        DrawPage(img, pageBottom);
    Rect shape{float(L::shapeLeft), float(L::shapeTop), float(L::shapeRight + 1), float(bottom + 1)};
    img.StrokeRoundRect(shape.Inset(1), L::cornerRadius - 1, 1, [](float, float y) {
        return WithAlpha(pale, 0.30f - 0.20f * Smoothstep(10, 200, y));
    });
    CutShape(img, shape, L::cornerRadius, shapeKey);
    return img;
}

Image Opaque(int width, int height, Color c) { return Image(width, height, WithAlpha(c, 1)); }

} // namespace


void DrawMainWindow(Skin& skin) {
    skin.embedded["SmallBk"] = Background(L::smallBottom, 0);
    skin.embedded["MiddleBk"] = Background(L::middleBottom, L::pageBottomMiddle);
    skin.embedded["LargeBk"] = Background(L::largeBottom, L::pageBottomLarge);

    skin.Add("small_shadow002.png", MakeShadow(skin.embedded["SmallBk"], shapeKey, 661, 285, 4, 0.95f, 3));
    skin.Add("big_shadow003.png", MakeShadow(skin.embedded["MiddleBk"], shapeKey, 661, 521, 4, 0.95f, 3));
    skin.Add("big_shadow002.png", MakeShadow(skin.embedded["LargeBk"], shapeKey, 661, 671, 4, 0.95f, 3));

    // Drop-down panel: side borders on a black body, a two-row bottom edge.
    const Color border = Rgb(58, 128, 150), borderDark = Rgb(28, 62, 74);
    Image body = Opaque(194, 1, Rgb(0, 0, 0));
    body.Set(0, 0, border);
    body.Set(193, 0, border);
    Image bottom = Opaque(194, 2, border);
    for (int x = 0; x < 194; ++x)
        bottom.Set(x, 1, borderDark);
    skin.embedded["ComboBoxBody"] = body;
    skin.embedded["ComboBoxBottom"] = bottom;
}

} // namespace skinmaker
