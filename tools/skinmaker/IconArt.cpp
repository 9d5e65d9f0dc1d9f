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
    const float stroke = size >= 32 ? s * 0.1f : 2.0f;
    std::vector<std::pair<Point, Point>> rune = {{{s * 0.27f, s * 0.34f}, {s * 0.5f, s * 0.76f}},
                                                 {{s * 0.5f, s * 0.76f}, {s * 0.73f, s * 0.34f}},
                                                 {{s * 0.5f, s * 0.22f}, {s * 0.5f, s * 0.5f}}};
    if (size >= 32)
        AddGlow(img, size / 16, 1.2f, [&](Image& l) { l.StrokeSegments(rune, stroke, Solid(WithAlpha(cyan, 0.8f))); });
    img.StrokeSegments(rune, stroke, VerticalGradient(white, teal, s * 0.2f, s * 0.8f));
    return img;
}

} // namespace

void DrawTrayIcon(Skin& skin) {
    skin.trayIcon = {TrayIcon(16), TrayIcon(32), TrayIcon(48)};
}

} // namespace skinmaker
