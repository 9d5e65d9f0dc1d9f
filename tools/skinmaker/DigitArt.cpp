// The digit sets of the number displays: slanted seven-segment glyphs drawn
// as polygons, lit in cyan (normal) or amber (a chosen value that differs
// from the hardware), with the unlit segments faintly visible.

#include <cstdio>
#include <string>

#include "tools/skinmaker/Palette.h"
#include "tools/skinmaker/Shapes.h"
#include "tools/skinmaker/Skin.h"
#include "tools/skinmaker/StrokeFont.h"

namespace skinmaker {

namespace {

using namespace palette;

struct Glyph {
    float x0, y0, w, h; // box of the upright glyph
    float thickness, gap, slant;
};

struct Lamp {
    Color core, edge, glow;
};

const Lamp kNormal{Rgb(235, 252, 255), cyan, cyan};
const Lamp kHighlight{Rgb(255, 248, 210), amber, Rgb(255, 180, 20)};

// Segments a-g, clockwise from the top, middle last.
constexpr unsigned char kDigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

std::vector<Point> Segment(const Glyph& g, int index) {
    const float t = g.thickness, h2 = t / 2;
    const float L = g.x0 + h2, R = g.x0 + g.w - h2, T = g.y0 + h2, M = g.y0 + g.h / 2, B = g.y0 + g.h - h2;
    auto horizontal = [&](float y, float a, float b) {
        return std::vector<Point>{{a, y}, {a + h2, y - h2}, {b - h2, y - h2}, {b, y}, {b - h2, y + h2}, {a + h2, y + h2}};
    };
    auto vertical = [&](float x, float a, float b) {
        return std::vector<Point>{{x, a}, {x + h2, a + h2}, {x + h2, b - h2}, {x, b}, {x - h2, b - h2}, {x - h2, a + h2}};
    };
    std::vector<Point> p;
    switch (index) {
    case 0: p = horizontal(T, L + g.gap, R - g.gap); break;
    case 1: p = vertical(R, T + g.gap, M - g.gap); break;
    case 2: p = vertical(R, M + g.gap, B - g.gap); break;
    case 3: p = horizontal(B, L + g.gap, R - g.gap); break;
    case 4: p = vertical(L, M + g.gap, B - g.gap); break;
    case 5: p = vertical(L, T + g.gap, M - g.gap); break;
    default: p = horizontal(M, L + g.gap, R - g.gap); break;
    }
    for (Point& q : p)
        q.x += (g.y0 + g.h - q.y) * g.slant;
    return p;
}

Image Digit(int width, int height, const Glyph& g, int digit, const Lamp& lamp) {
    Image img(width, height);
    const unsigned char lit = kDigitSegments[digit];
    for (int s = 0; s < 7; ++s)
        if (!(lit & (1 << s)))
            img.FillPolygon(Segment(g, s), Solid(WithAlpha(lamp.edge, 0.08f)));
    AddGlow(img, g.thickness > 2.5f ? 2 : 1, 0.9f, [&](Image& l) {
        for (int s = 0; s < 7; ++s)
            if (lit & (1 << s))
                l.FillPolygon(Segment(g, s), Solid(WithAlpha(lamp.glow, 0.75f)));
    });
    for (int s = 0; s < 7; ++s)
        if (lit & (1 << s))
            img.FillPolygon(Segment(g, s), VerticalGradient(lamp.core, lamp.edge, g.y0, g.y0 + g.h * 1.2f));
    return img;
}

Image PointImage(int width, int height, float cx, float cy, float size, const Lamp& lamp) {
    Image img(width, height);
    const Rect r{cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2};
    AddGlow(img, 2, 0.9f, [&](Image& l) { l.FillRoundRect(r, 0.6f, Solid(WithAlpha(lamp.glow, 0.8f))); });
    img.FillRoundRect(r, 0.6f, VerticalGradient(lamp.core, lamp.edge, r.y0, r.y1));
    return img;
}

std::string Name(const char* folder, int index) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%02d.png", folder, index);
    return buf;
}

} // namespace

void DrawDigits(Skin& skin) {
    const Glyph large{4, 3, 15, 26, 3.4f, 0.5f, 0.08f};
    const Glyph middle{3, 3, 11, 20, 2.8f, 0.45f, 0.08f};
    const Glyph small{3, 2, 7.5f, 12, 1.8f, 0.35f, 0.08f};
    for (int d = 0; d < 10; ++d) {
        skin.Add(Name("Numbers\\", d), Digit(24, 32, large, d, kNormal));
        skin.Add(Name("Numbers\\", d + 10), Digit(24, 32, large, d, kHighlight));
        skin.Add(Name("Middle_Numbers\\", d), Digit(18, 26, middle, d, kNormal));
        skin.Add(Name("Middle_Numbers\\", d + 10), Digit(18, 26, middle, d, kHighlight));
        skin.Add(Name("Small_Numbers\\", d), Digit(14, 16, small, d, kNormal));
    }
    // The point slot overlaps its neighbours (it starts 4 pixels into the
    // digit before it and the next digit starts 10 pixels before its end),
    // so the dot sits in the gap between the two glyphs.
    const float dotY = middle.y0 + middle.h - middle.thickness / 2;
    skin.Add("Middle_Numbers\\Point1.png", PointImage(18, 26, 6.8f, dotY, middle.thickness, kNormal));
    skin.Add("Middle_Numbers\\Point2.png", PointImage(18, 26, 6.8f, dotY, middle.thickness, kHighlight));

    Image unit(30, 16);
    TextStyle style{7, 1.3f, 0.2f, 0.08f};
    DrawText(unit, "MHz", 3, 7, style, Solid(teal));
    skin.Add("Small_Numbers\\mhz.png", unit);
}

} // namespace skinmaker
