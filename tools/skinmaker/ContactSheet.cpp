// Every picture of the skin on a neutral grey with its name underneath.

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "resources/SkinNames.h"
#include "tools/skinmaker/Preview.h"
#include "tools/skinmaker/StrokeFont.h"

namespace skinmaker {

namespace {

struct Entry {
    std::string label;
    const Image* image;
};

void Checker(Image& sheet, int x, int y, int w, int h) {
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            bool dark = ((px / 8) + (py / 8)) % 2;
            sheet.Set(x + px, y + py, dark ? Rgb(112, 116, 122) : Rgb(132, 136, 142));
        }
}

} // namespace

Image ContactSheet(const Skin& skin) {
    std::vector<Entry> entries;
    for (const skin::SkinFile& f : skin::pngFiles)
        entries.push_back({std::string(f.folder) + f.name, &skin.File(std::string(f.folder) + f.name)});
    const char* iconNames[] = {"VELTRUNE02.ICO 16", "VELTRUNE02.ICO 32", "VELTRUNE02.ICO 48"};
    for (size_t i = 0; i < skin.trayIcon.size(); ++i)
        entries.push_back({iconNames[i], &skin.trayIcon[i]});
    for (const auto& [name, image] : skin.embedded)
        entries.push_back({"(BITMAP) " + name, &image});

    const TextStyle style{6, 1.0f, 0.6f, 0};
    const int width = 1500, margin = 14, labelHeight = 16;
    // Shelf layout: fill rows left to right, each row as tall as its tallest.
    struct Placed {
        int x, y;
    };
    std::vector<Placed> places;
    int x = margin, y = margin, rowHeight = 0;
    for (const Entry& e : entries) {
        int w = std::max(e.image->Width(), int(TextWidth(e.label, style)) + 2);
        if (x + w > width - margin && x > margin) {
            x = margin;
            y += rowHeight + labelHeight + margin;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += w + margin;
        rowHeight = std::max(rowHeight, e.image->Height());
    }
    const int height = y + rowHeight + labelHeight + margin;
    Image sheet(width, height, Rgb(96, 100, 106));
    for (size_t i = 0; i < entries.size(); ++i) {
        const Image& im = *entries[i].image;
        Checker(sheet, places[i].x, places[i].y, im.Width(), im.Height());
        sheet.Draw(im, places[i].x, places[i].y);
        std::string label = entries[i].label;
        for (char& c : label)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        DrawText(sheet, label, float(places[i].x), float(places[i].y + im.Height() + 5), style,
                 Solid(Rgb(240, 242, 245)));
    }
    return sheet;
}

} // namespace skinmaker
