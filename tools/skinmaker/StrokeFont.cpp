#include "tools/skinmaker/StrokeFont.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <string>

namespace skinmaker {

namespace {

// Path strings: "M x y" starts a stroke, "L x y" continues it.
const std::map<char, const char*>& Glyphs() {
    static const std::map<char, const char*> glyphs = {
        {'A', "M0 6L2 0L4 6M0.7 4L3.3 4"},
        {'B', "M0 0L0 6L3 6L4 5L4 4L3 3L0 3M0 0L3 0L4 1L4 2L3 3"},
        {'C', "M4 0L1 0L0 1L0 5L1 6L4 6"},
        {'D', "M0 0L0 6L3 6L4 5L4 1L3 0L0 0"},
        {'E', "M4 0L0 0L0 6L4 6M0 3L3 3"},
        {'F', "M4 0L0 0L0 6M0 3L3 3"},
        {'G', "M4 1L3 0L1 0L0 1L0 5L1 6L3 6L4 5L4 3L2 3"},
        {'H', "M0 0L0 6M4 0L4 6M0 3L4 3"},
        {'I', "M2 0L2 6M1 0L3 0M1 6L3 6"},
        {'J', "M4 0L4 5L3 6L1 6L0 5"},
        {'K', "M0 0L0 6M4 0L0 3.6M1.4 2.6L4 6"},
        {'L', "M0 0L0 6L4 6"},
        {'M', "M0 6L0 0L2 3L4 0L4 6"},
        {'N', "M0 6L0 0L4 6L4 0"},
        {'O', "M1 0L3 0L4 1L4 5L3 6L1 6L0 5L0 1L1 0"},
        {'P', "M0 6L0 0L3 0L4 1L4 2L3 3L0 3"},
        {'Q', "M1 0L3 0L4 1L4 5L3 6L1 6L0 5L0 1L1 0M2.6 4.6L4 6"},
        {'R', "M0 6L0 0L3 0L4 1L4 2L3 3L0 3M2 3L4 6"},
        {'S', "M4 1L3 0L1 0L0 1L0 2L1 3L3 3L4 4L4 5L3 6L1 6L0 5"},
        {'T', "M0 0L4 0M2 0L2 6"},
        {'U', "M0 0L0 5L1 6L3 6L4 5L4 0"},
        {'V', "M0 0L2 6L4 0"},
        {'W', "M0 0L1 6L2 3L3 6L4 0"},
        {'X', "M0 0L4 6M4 0L0 6"},
        {'Y', "M0 0L2 3L4 0M2 3L2 6"},
        {'Z', "M0 0L4 0L0 6L4 6"},
        {'z', "M0.5 2.5L3.5 2.5L0.5 6L3.5 6"},
        {'0', "M1 0L3 0L4 1L4 5L3 6L1 6L0 5L0 1L1 0"},
        {'1', "M1 1L2 0L2 6M1 6L3 6"},
        {'2', "M0 1L1 0L3 0L4 1L4 2L0 6L4 6"},
        {'3', "M0 0L4 0L2 2.5L3 2.5L4 3.5L4 5L3 6L1 6L0 5"},
        {'4', "M3 6L3 0L0 4L4 4"},
        {'5', "M4 0L0 0L0 3L3 3L4 4L4 5L3 6L0 6"},
        {'6', "M3 0L1 0L0 1L0 5L1 6L3 6L4 5L4 4L3 3L0 3"},
        {'7', "M0 0L4 0L1.5 6"},
        {'8', "M1 0L3 0L4 1L4 2L3 3L1 3L0 4L0 5L1 6L3 6L4 5L4 4L3 3M1 3L0 2L0 1L1 0"},
        {'9', "M1 6L3 6L4 5L4 1L3 0L1 0L0 1L0 2L1 3L4 3"},
        {'.', "M2 6L2 6"},
        {',', "M2 5.4L1.5 7"},
        {'_', "M0 6.8L4 6.8"},
        {'\\', "M0.5 0L3.5 6"},
        {'/', "M3.5 0L0.5 6"},
        {':', "M2 1.8L2 1.8M2 5.6L2 5.6"},
        {'-', "M0.8 3L3.2 3"},
        {'+', "M0.5 3L3.5 3M2 1.5L2 4.5"},
        {'(', "M3 0L2 1L2 5L3 6"},
        {')', "M1 0L2 1L2 5L1 6"},
        {'x', "M0.5 2.5L3.5 6M3.5 2.5L0.5 6"},
        {'?', "M0 1L1 0L3 0L4 1L4 2L2 3.5L2 4.2M2 6L2 6"},
        {'!', "M2 0L2 4.2M2 6L2 6"},
    };
    return glyphs;
}

std::vector<std::vector<Point>> ParsePaths(const char* path) {
    std::vector<std::vector<Point>> out;
    const char* p = path;
    while (*p) {
        char cmd = *p++;
        char* end = nullptr;
        float x = std::strtof(p, &end);
        p = end;
        float y = std::strtof(p, &end);
        p = end;
        if (cmd == 'M' || out.empty())
            out.emplace_back();
        out.back().push_back({x, y});
    }
    return out;
}

} // namespace

float TextWidth(std::string_view text, const TextStyle& s) {
    if (text.empty())
        return 0;
    float unit = s.height / 6;
    return (text.size() * (4 + s.spacing + 1.2f) - (s.spacing + 1.2f)) * unit + s.stroke;
}

std::vector<std::pair<Point, Point>> TextSegments(std::string_view text, float x, float y, const TextStyle& s) {
    std::vector<std::pair<Point, Point>> segs;
    float unit = s.height / 6;
    float half = s.stroke / 2;
    float penX = x + half;
    for (char ch : text) {
        auto& glyphs = Glyphs();
        auto it = glyphs.find(ch);
        if (it == glyphs.end())
            it = glyphs.find(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
        if (it != glyphs.end()) {
            for (const auto& path : ParsePaths(it->second)) {
                auto map = [&](Point g) {
                    float py = y + half + g.y * unit * (s.height - s.stroke) / s.height;
                    float px = penX + g.x * unit + (s.height - g.y * unit) * s.slant;
                    return Point{px, py};
                };
                if (path.size() == 1)
                    segs.push_back({map(path[0]), map(path[0])});
                for (size_t i = 1; i < path.size(); ++i)
                    segs.push_back({map(path[i - 1]), map(path[i])});
            }
        }
        penX += (4 + s.spacing + 1.2f) * unit;
    }
    return segs;
}

void DrawText(Image& image, std::string_view text, float x, float y, const TextStyle& style, const Paint& paint) {
    image.StrokeSegments(TextSegments(text, x, y, style), style.stroke, paint);
}

} // namespace skinmaker
