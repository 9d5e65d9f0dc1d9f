#include "tools/skinmaker/Shapes.h"

#include <cmath>

#include "tools/skinmaker/Palette.h"

namespace skinmaker {

bool IsKey(const Image& image, int x, int y, Color key) {
    Color c = image.Get(x, y);
    auto same = [](float a, float b) { return std::lround(a * 255) == std::lround(b * 255); };
    return c.a > 0.999f && same(c.r, key.r) && same(c.g, key.g) && same(c.b, key.b);
}

void CutShape(Image& image, const Rect& shape, float radius, Color key) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            float d = SdRoundRect(x + 0.5f, y + 0.5f, shape, radius);
            if (CoverageFromDistance(d) < 0.5f) {
                image.Set(x, y, key);
                continue;
            }
            // The outermost ring is darkened so that the hard region edge
            // reads as a crisp rim rather than a staircase.
            Color c = image.Get(x, y);
            float rim = Smoothstep(-2.2f, -0.2f, d);
            c = Mix(c, palette::rim, rim * 0.85f);
            image.Set(x, y, WithAlpha(c, 1));
        }
}

Image MakeShadow(const Image& background, Color key, int width, int height, int blur, float strength, int dropY) {
    Image mask(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int sy = y - dropY;
            if (sy >= 0 && sy < background.Height() && x < background.Width() && !IsKey(background, x, sy, key))
                mask.Set(x, y, {0, 0, 0, 1});
        }
    mask.Blur(blur);
    Image shadow(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            bool covered = y < background.Height() && x < background.Width() && !IsKey(background, x, y, key);
            float a = covered ? 0.0f : std::min(1.0f, mask.Get(x, y).a * strength);
            shadow.Set(x, y, {0, 0, 0, a});
        }
    return shadow;
}

void DrawButtonFace(Image& image, const Rect& r, float radius, State state) {
    using namespace palette;
    const float h = r.Height();
    Color top, bottom, border;
    float borderAlpha = 0.45f, shine = 0.10f;
    switch (state) {
    case State::Normal:
        top = Rgb(48, 58, 72);
        bottom = Rgb(26, 32, 40);
        border = cyan;
        break;
    case State::Hover:
        top = Rgb(44, 78, 96);
        bottom = Rgb(22, 46, 60);
        border = pale;
        borderAlpha = 0.95f;
        shine = 0.16f;
        break;
    case State::Pressed:
        top = Rgb(12, 30, 38);
        bottom = Rgb(20, 52, 62);
        border = teal;
        borderAlpha = 0.9f;
        shine = 0;
        break;
    case State::Disabled:
        top = Rgb(40, 42, 46);
        bottom = Rgb(32, 34, 37);
        border = Rgb(110, 116, 124);
        borderAlpha = 0.25f;
        shine = 0.03f;
        break;
    }
    if (state == State::Hover)
        AddGlow(image, 2, 0.9f, [&](Image& l) { l.StrokeRoundRect(r, radius, 1.5f, Solid(WithAlpha(cyan, 0.8f))); });
    image.FillRoundRect(r, radius, VerticalGradient(top, bottom, r.y0, r.y1));
    if (state == State::Pressed) // inner shadow along the top edge
        image.FillRoundRect(r, radius, [&](float, float y) {
            return Color{0, 0, 0, 0.45f * (1 - Smoothstep(r.y0, r.y0 + h * 0.35f, y))};
        });
    if (shine > 0) // soft sheen on the upper half
        image.FillRoundRect(r.Inset(1), radius - 1, [&](float, float y) {
            return Color{1, 1, 1, shine * (1 - Smoothstep(r.y0, r.y0 + h * 0.5f, y))};
        });
    image.StrokeRoundRect(r, radius, 1.0f, Solid(WithAlpha(border, borderAlpha)));
    if (state == State::Hover || state == State::Pressed) { // lit lower edge
        const float y = r.y1 - 2, x0 = r.x0 + radius, x1 = r.x1 - radius;
        const Color lit = state == State::Hover ? pale : teal;
        image.FillCoverage(
            {x0, y, x1, y + 1},
            [&](float px, float py) { return (py > y && py < y + 1 && px > x0 && px < x1) ? 1.0f : 0.0f; },
            [&](float px, float) {
                float t = (px - x0) / (x1 - x0);
                return WithAlpha(lit, 0.8f * Smoothstep(0.0f, 0.3f, t) * Smoothstep(1.0f, 0.7f, t));
            });
    }
}

void DrawAccentLine(Image& image, float x0, float x1, float y, Color color, float strength) {
    auto paint = [=](float x, float) {
        float t = (x - x0) / (x1 - x0);
        float fade = Smoothstep(0.0f, 0.25f, t) * Smoothstep(1.0f, 0.75f, t);
        return WithAlpha(color, strength * fade);
    };
    auto inside = [=](float px, float py) { return (py > y && py < y + 1 && px > x0 && px < x1) ? 1.0f : 0.0f; };
    AddGlow(image, 2, 0.6f, [&](Image& l) { l.FillCoverage({x0, y, x1, y + 1}, inside, paint); });
    image.FillCoverage({x0, y, x1, y + 1}, inside, paint);
}

void DrawArrow(Image& image, float cx, float cy, float s, int dir, const Paint& paint) {
    std::vector<Point> p;
    switch (dir) {
    case -1: p = {{cx - s * 0.5f, cy}, {cx + s * 0.4f, cy - s * 0.6f}, {cx + s * 0.4f, cy + s * 0.6f}}; break;
    case 1: p = {{cx + s * 0.5f, cy}, {cx - s * 0.4f, cy - s * 0.6f}, {cx - s * 0.4f, cy + s * 0.6f}}; break;
    case -2: p = {{cx, cy - s * 0.5f}, {cx - s * 0.6f, cy + s * 0.4f}, {cx + s * 0.6f, cy + s * 0.4f}}; break;
    default: p = {{cx, cy + s * 0.5f}, {cx - s * 0.6f, cy - s * 0.4f}, {cx + s * 0.6f, cy - s * 0.4f}}; break;
    }
    image.FillPolygon(p, paint);
}

void DrawChevron(Image& image, float cx, float cy, float s, int dir, float width, const Paint& paint) {
    float h = s * 0.5f * dir;
    image.StrokeSegments({{{cx - s, cy - h}, {cx, cy + h}}, {{cx, cy + h}, {cx + s, cy - h}}}, width, paint);
}

} // namespace skinmaker
