#pragma once
// A small geometric stroke font: every glyph is a few straight strokes on a
// 4 x 6 grid, drawn as round-capped lines. Used for the title lettering, the
// unit and numeral images and the labels of the preview pictures; the skin
// must not depend on whatever fonts the build machine happens to have.

#include <string_view>
#include <utility>
#include <vector>

#include "tools/skinmaker/Canvas.h"

namespace skinmaker {

struct TextStyle {
    float height = 12;   // cap height in pixels
    float stroke = 1.6f; // line width in pixels
    float spacing = 0.4f; // extra advance, in grid units
    float slant = 0;     // horizontal shift per pixel of height (italic)
};

// The segments of a line of text with its top-left corner at (x, y).
std::vector<std::pair<Point, Point>> TextSegments(std::string_view text, float x, float y, const TextStyle& style);
float TextWidth(std::string_view text, const TextStyle& style);
void DrawText(Image& image, std::string_view text, float x, float y, const TextStyle& style, const Paint& paint);

} // namespace skinmaker
