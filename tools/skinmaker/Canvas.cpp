#include "tools/skinmaker/Canvas.h"

#include <algorithm>
#include <cmath>

namespace skinmaker {

Color Rgb(int r, int g, int b, float a) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }

Color Mix(Color x, Color y, float t) {
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Color WithAlpha(Color c, float a) { return {c.r, c.g, c.b, a}; }

Color Scale(Color c, float k) {
    return {std::min(1.0f, c.r * k), std::min(1.0f, c.g * k), std::min(1.0f, c.b * k), c.a};
}

float Smoothstep(float e0, float e1, float x) {
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float SdRoundRect(float px, float py, const Rect& r, float radius) {
    float cx = (r.x0 + r.x1) / 2, cy = (r.y0 + r.y1) / 2;
    float hx = r.Width() / 2 - radius, hy = r.Height() / 2 - radius;
    float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float SdCircle(float px, float py, float cx, float cy, float radius) {
    return std::hypot(px - cx, py - cy) - radius;
}

float SdSegment(float px, float py, Point a, Point b) {
    float dx = b.x - a.x, dy = b.y - a.y;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? std::clamp(((px - a.x) * dx + (py - a.y) * dy) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

float CoverageFromDistance(float d) { return std::clamp(0.5f - d, 0.0f, 1.0f); }

Paint Solid(Color c) {
    return [c](float, float) { return c; };
}

Paint VerticalGradient(Color top, Color bottom, float y0, float y1) {
    return [=](float, float y) { return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f)); };
}

Paint HorizontalGradient(Color left, Color right, float x0, float x1) {
    return [=](float x, float) { return Mix(left, right, std::clamp((x - x0) / (x1 - x0), 0.0f, 1.0f)); };
}

Image::Image(int width, int height, Color fill) : m_width(width), m_height(height) {
    Color pre{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a};
    m_pixels.assign(static_cast<size_t>(width) * height, pre);
}

Color Image::Get(int x, int y) const {
    const Color& p = m_pixels[static_cast<size_t>(y) * m_width + x];
    if (p.a <= 0)
        return {0, 0, 0, 0};
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Image::Set(int x, int y, Color c) {
    m_pixels[static_cast<size_t>(y) * m_width + x] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

void Image::Blend(int x, int y, Color c, float coverage) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    float a = std::clamp(c.a * coverage, 0.0f, 1.0f);
    if (a <= 0)
        return;
    Color& p = m_pixels[static_cast<size_t>(y) * m_width + x];
    p.r = c.r * a + p.r * (1 - a);
    p.g = c.g * a + p.g * (1 - a);
    p.b = c.b * a + p.b * (1 - a);
    p.a = a + p.a * (1 - a);
}

void Image::AddLight(int x, int y, Color c, float amount) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || amount <= 0)
        return;
    Color& p = m_pixels[static_cast<size_t>(y) * m_width + x];
    p.r = std::min(1.0f, p.r + c.r * amount);
    p.g = std::min(1.0f, p.g + c.g * amount);
    p.b = std::min(1.0f, p.b + c.b * amount);
    p.a = std::min(1.0f, std::max({p.a, p.r, p.g, p.b}));
}

void Image::FillCoverage(const Rect& bounds, const std::function<float(float, float)>& coverage, const Paint& paint) {
    int x0 = std::max(0, static_cast<int>(std::floor(bounds.x0)) - 1);
    int y0 = std::max(0, static_cast<int>(std::floor(bounds.y0)) - 1);
    int x1 = std::min(m_width, static_cast<int>(std::ceil(bounds.x1)) + 1);
    int y1 = std::min(m_height, static_cast<int>(std::ceil(bounds.y1)) + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float c = coverage(px, py);
            if (c > 0)
                Blend(x, y, paint(px, py), c);
        }
}

void Image::FillRoundRect(const Rect& r, float radius, const Paint& paint) {
    FillCoverage(r, [&](float x, float y) { return CoverageFromDistance(SdRoundRect(x, y, r, radius)); }, paint);
}

void Image::StrokeRoundRect(const Rect& r, float radius, float width, const Paint& paint) {
    // The stroke lies inside the rectangle, so a frame never grows its shape.
    Rect mid = r.Inset(width / 2);
    float rr = std::max(0.0f, radius - width / 2);
    FillCoverage(
        r, [&](float x, float y) { return CoverageFromDistance(std::fabs(SdRoundRect(x, y, mid, rr)) - width / 2); },
        paint);
}

void Image::FillCircle(float cx, float cy, float radius, const Paint& paint) {
    Rect b{cx - radius, cy - radius, cx + radius, cy + radius};
    FillCoverage(b, [&](float x, float y) { return CoverageFromDistance(SdCircle(x, y, cx, cy, radius)); }, paint);
}

namespace {
bool Inside(const std::vector<Point>& poly, float x, float y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point& a = poly[i];
        const Point& b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}
} // namespace

void Image::FillPolygon(const std::vector<Point>& points, const Paint& paint) {
    if (points.size() < 3)
        return;
    Rect b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    constexpr int n = 4; // 4 x 4 samples a pixel
    FillCoverage(
        b,
        [&](float x, float y) {
            int hits = 0;
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx)
                    hits += Inside(points, x - 0.5f + (sx + 0.5f) / n, y - 0.5f + (sy + 0.5f) / n);
            return hits / float(n * n);
        },
        paint);
}

void Image::StrokeSegments(const std::vector<std::pair<Point, Point>>& segments, float width, const Paint& paint) {
    if (segments.empty())
        return;
    Rect b{1e9f, 1e9f, -1e9f, -1e9f};
    for (const auto& [a, c] : segments) {
        b.x0 = std::min({b.x0, a.x, c.x});
        b.y0 = std::min({b.y0, a.y, c.y});
        b.x1 = std::max({b.x1, a.x, c.x});
        b.y1 = std::max({b.y1, a.y, c.y});
    }
    b = b.Inset(-width);
    FillCoverage(
        b,
        [&](float x, float y) {
            float d = 1e9f;
            for (const auto& [a, c] : segments)
                d = std::min(d, SdSegment(x, y, a, c));
            return CoverageFromDistance(d - width / 2);
        },
        paint);
}

void Image::Draw(const Image& src, int x, int y, float opacity) {
    for (int sy = 0; sy < src.m_height; ++sy)
        for (int sx = 0; sx < src.m_width; ++sx) {
            int dx = x + sx, dy = y + sy;
            if (dx < 0 || dy < 0 || dx >= m_width || dy >= m_height)
                continue;
            const Color& s = src.m_pixels[static_cast<size_t>(sy) * src.m_width + sx];
            Color& d = m_pixels[static_cast<size_t>(dy) * m_width + dx];
            float a = s.a * opacity;
            d.r = s.r * opacity + d.r * (1 - a);
            d.g = s.g * opacity + d.g * (1 - a);
            d.b = s.b * opacity + d.b * (1 - a);
            d.a = a + d.a * (1 - a);
        }
}

void Image::DrawAdditive(const Image& src, int x, int y, float amount) {
    for (int sy = 0; sy < src.m_height; ++sy)
        for (int sx = 0; sx < src.m_width; ++sx) {
            const Color& s = src.m_pixels[static_cast<size_t>(sy) * src.m_width + sx];
            if (s.a > 0)
                AddLight(x + sx, y + sy, {s.r, s.g, s.b, 1}, amount);
        }
}

Image Image::Crop(int x, int y, int width, int height) const {
    Image out(width, height);
    for (int sy = 0; sy < height; ++sy)
        for (int sx = 0; sx < width; ++sx)
            if (x + sx >= 0 && y + sy >= 0 && x + sx < m_width && y + sy < m_height)
                out.m_pixels[static_cast<size_t>(sy) * width + sx] =
                    m_pixels[static_cast<size_t>(y + sy) * m_width + x + sx];
    return out;
}

void Image::Flatten(Color under) {
    for (Color& p : m_pixels) {
        float k = 1 - p.a;
        p = {p.r + under.r * k, p.g + under.g * k, p.b + under.b * k, 1};
    }
}

void Image::MultiplyAlpha(float f) {
    for (Color& p : m_pixels)
        p = {p.r * f, p.g * f, p.b * f, p.a * f};
}

namespace {
void BoxPass(std::vector<Color>& px, int w, int h, int radius, bool horizontal) {
    std::vector<Color> line(horizontal ? w : h);
    int len = horizontal ? w : h, count = horizontal ? h : w;
    float inv = 1.0f / (2 * radius + 1);
    for (int i = 0; i < count; ++i) {
        auto at = [&](int k) -> Color& {
            k = std::clamp(k, 0, len - 1);
            return horizontal ? px[static_cast<size_t>(i) * w + k] : px[static_cast<size_t>(k) * w + i];
        };
        // Outside the image counts as transparent, not as a repeated edge.
        auto sample = [&](int k) -> Color { return (k < 0 || k >= len) ? Color{} : at(k); };
        Color sum{};
        for (int k = -radius; k <= radius; ++k) {
            Color s = sample(k);
            sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, sum.a + s.a};
        }
        for (int k = 0; k < len; ++k) {
            line[k] = {sum.r * inv, sum.g * inv, sum.b * inv, sum.a * inv};
            Color in = sample(k + radius + 1), out = sample(k - radius);
            sum = {sum.r + in.r - out.r, sum.g + in.g - out.g, sum.b + in.b - out.b, sum.a + in.a - out.a};
        }
        for (int k = 0; k < len; ++k)
            at(k) = line[k];
    }
}
} // namespace

void Image::Blur(int radius) {
    if (radius <= 0 || Empty())
        return;
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(m_pixels, m_width, m_height, radius, true);
        BoxPass(m_pixels, m_width, m_height, radius, false);
    }
}

void AddGlow(Image& target, int radius, float amount, const std::function<void(Image&)>& draw) {
    Image layer(target.Width(), target.Height());
    draw(layer);
    layer.Blur(radius);
    target.DrawAdditive(layer, 0, 0, amount);
}

} // namespace skinmaker
