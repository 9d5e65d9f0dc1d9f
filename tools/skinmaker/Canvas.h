#pragma once
// Float RGBA images and the anti-aliased drawing primitives every piece of
// the skin is made from. Pixels are stored premultiplied so that layers
// composite with the plain "over" operator; colours passed in are straight.

#include <functional>
#include <vector>

namespace skinmaker {

struct Color {
    float r = 0, g = 0, b = 0, a = 0;
};

Color Rgb(int r, int g, int b, float a = 1.0f);
Color Mix(Color x, Color y, float t);
Color WithAlpha(Color c, float a);
Color Scale(Color c, float brightness);
float Smoothstep(float e0, float e1, float x);

struct Rect {
    float x0, y0, x1, y1; // half-open: x0 <= x < x1
    float Width() const { return x1 - x0; }
    float Height() const { return y1 - y0; }
    Rect Inset(float d) const { return {x0 + d, y0 + d, x1 - d, y1 - d}; }
    Rect Offset(float dx, float dy) const { return {x0 + dx, y0 + dy, x1 + dx, y1 + dy}; }
};

struct Point {
    float x, y;
};

// Signed distances (negative inside) used for anti-aliased coverage.
float SdRoundRect(float px, float py, const Rect& r, float radius);
float SdCircle(float px, float py, float cx, float cy, float radius);
float SdSegment(float px, float py, Point a, Point b);
// Coverage of a pixel whose centre lies at signed distance d from an edge.
float CoverageFromDistance(float d);

using Paint = std::function<Color(float x, float y)>;
Paint Solid(Color c);
Paint VerticalGradient(Color top, Color bottom, float y0, float y1);
Paint HorizontalGradient(Color left, Color right, float x0, float x1);

class Image {
public:
    Image() = default;
    Image(int width, int height, Color fill = {});

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width == 0 || m_height == 0; }

    // Straight (non-premultiplied) colour of a pixel.
    Color Get(int x, int y) const;
    void Set(int x, int y, Color straight);
    // Composites a straight colour over the pixel with the given coverage.
    void Blend(int x, int y, Color straight, float coverage);
    // Adds light (for glows): colour x amount is added, alpha grows to match.
    void AddLight(int x, int y, Color straight, float amount);

    // Fills every pixel whose coverage function is non-zero inside bounds.
    void FillCoverage(const Rect& bounds, const std::function<float(float, float)>& coverage, const Paint& paint);
    void FillRoundRect(const Rect& r, float radius, const Paint& paint);
    void StrokeRoundRect(const Rect& r, float radius, float width, const Paint& paint);
    void FillCircle(float cx, float cy, float radius, const Paint& paint);
    void FillPolygon(const std::vector<Point>& points, const Paint& paint);
    // Union of round-capped segments: one coverage per pixel, so joints do
    // not double up.
    void StrokeSegments(const std::vector<std::pair<Point, Point>>& segments, float width, const Paint& paint);

    void Draw(const Image& src, int x, int y, float opacity = 1.0f);
    void DrawAdditive(const Image& src, int x, int y, float amount);
    Image Crop(int x, int y, int width, int height) const;
    // Every pixel gets alpha 1 by compositing over the given colour.
    void Flatten(Color under);
    void MultiplyAlpha(float f);

    // Separable box blur repeated three times (close to a Gaussian).
    void Blur(int radius);

    const std::vector<Color>& Pixels() const { return m_pixels; }

private:
    int m_width = 0, m_height = 0;
    std::vector<Color> m_pixels; // premultiplied
};

// A glow: draw the shape through `draw` into a layer, blur it and add it.
void AddGlow(Image& target, int radius, float amount, const std::function<void(Image&)>& draw);

} // namespace skinmaker
