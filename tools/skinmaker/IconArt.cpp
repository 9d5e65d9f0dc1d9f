// The notification-area icon: the program's rune mark on a dark tile, drawn
// separately for each size so the small one stays crisp.

#include "tools/skinmaker/Palette.h"
#include "tools/skinmaker/Skin.h"

namespace skinmaker {

namespace {

using namespace palette;

Image TrayIcon(int size) {
    const float s = float(size);
    Image img(size, size);
    const Rect tile{0.5f, 0.5f, s - 0.5f, s - 0.5f};
    const float radius = s * 0.22f;
    img.FillRoundRect(tile, radius, VerticalGradient(Rgb(34, 46, 60), Rgb(8, 11, 15), 0, s));
    img.StrokeRoundRect(tile, radius, size >= 32 ? 1.5f : 1.0f, VerticalGradient(pale, WithAlpha(cyan, 0.6f), 0, s));
    const bool framed = size >= 32;
    const float stroke = framed ? s * 0.085f : 2.0f;
    const float spread = framed ? 0.15f : 0.2f, top = framed ? 0.38f : 0.33f, tip = framed ? 0.66f : 0.72f;
    std::vector<std::pair<Point, Point>> rune = {{{s * (0.5f - spread), s * top}, {s * 0.5f, s * tip}},
                                                 {{s * 0.5f, s * tip}, {s * (0.5f + spread), s * top}}};
    if (framed) {
        const float c = s / 2, r = s * 0.38f;
        std::vector<std::pair<Point, Point>> diamond = {
            {{c, c - r}, {c + r, c}}, {{c + r, c}, {c, c + r}}, {{c, c + r}, {c - r, c}}, {{c - r, c}, {c, c - r}}};
        img.StrokeSegments(diamond, s / 32, Solid(WithAlpha(cyan, 0.55f)));
        AddGlow(img, size / 16, 1.2f, [&](Image& l) { l.StrokeSegments(rune, stroke, Solid(WithAlpha(cyan, 0.8f))); });
    }
    img.StrokeSegments(rune, stroke, VerticalGradient(white, teal, s * 0.3f, s * 0.75f));
    return img;
}

} // namespace

void DrawTrayIcon(Skin& skin) {
    skin.trayIcon = {TrayIcon(16), TrayIcon(32), TrayIcon(48)};
}

} // namespace skinmaker
