// Buttons, the "More Setting" check box, the page tabs, the separator line,
// the option group icons and the profile selector of the main window.

#include <cmath>
#include <string>

#include "tools/skinmaker/Layout.h"
#include "tools/skinmaker/Palette.h"
#include "tools/skinmaker/Shapes.h"
#include "tools/skinmaker/Skin.h"

namespace skinmaker {

namespace {

using namespace palette;
namespace L = layout;

constexpr State kStates[] = {State::Normal, State::Pressed, State::Hover, State::Disabled};
constexpr const char* kSuffix[] = {"_n", "_d", "_o", "_un"};

// Title-bar buttons hang from the window's top edge: flat top, round bottom.
// At rest they are only a glyph on a faint plate; the two rows under the
// window's rim stay clear so the rim runs on above them.
Image TitleButton(bool close, State state) {
    Image img(26, 22);
    const Rect r{1, -6, 25, 21};
    Color top = WithAlpha(Rgb(44, 52, 64), 0.45f), bottom = WithAlpha(Rgb(30, 36, 45), 0.45f);
    Color glyph = WithAlpha(pale, 0.7f), border = WithAlpha(cyan, 0.12f);
    float dy = 0;
    if (state == State::Hover) {
        top = close ? Rgb(200, 52, 44) : Rgb(40, 96, 118);
        bottom = close ? Rgb(120, 22, 20) : Rgb(20, 52, 66);
        glyph = white;
        border = WithAlpha(close ? Rgb(255, 140, 120) : pale, 0.9f);
    } else if (state == State::Pressed) {
        top = close ? Rgb(90, 16, 14) : Rgb(10, 34, 44);
        bottom = close ? Rgb(150, 34, 28) : Rgb(20, 60, 72);
        glyph = close ? Rgb(255, 200, 190) : teal;
        border = WithAlpha(close ? danger : teal, 0.9f);
        dy = 1;
    }
    img.FillRoundRect(r, 5, VerticalGradient(top, bottom, 0, 21));
    img.StrokeRoundRect(r, 5, 1, Solid(border));
    const float cx = 13, cy = 11 + dy;
    std::vector<std::pair<Point, Point>> segs;
    if (close)
        segs = {{{cx - 4, cy - 4}, {cx + 4, cy + 4}}, {{cx + 4, cy - 4}, {cx - 4, cy + 4}}};
    else
        segs = {{{cx - 4.5f, cy + 2.5f}, {cx + 4.5f, cy + 2.5f}}};
    if (state == State::Hover)
        AddGlow(img, 2, 1.0f, [&](Image& l) { l.StrokeSegments(segs, 2.0f, Solid(WithAlpha(white, 0.6f))); });
    img.StrokeSegments(segs, 1.7f, Solid(glyph));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < img.Width(); ++x)
            img.Set(x, y, {});
    return img;
}

Image MoreSetting(bool checked, State state) {
    Image img(110, 20);
    if (state == State::Hover)
        img.FillRoundRect({0.5f, 0.5f, 109.5f, 19.5f}, 6, Solid(WithAlpha(cyan, 0.08f)));
    if (state == State::Pressed)
        img.FillRoundRect({0.5f, 0.5f, 109.5f, 19.5f}, 6, Solid(WithAlpha(well, 0.6f)));
    const Rect box{91.5f, 2.5f, 107.5f, 17.5f};
    DrawButtonFace(img, box, 4, state);
    if (checked && state == State::Normal) // an expanded window keeps a lit box
        img.StrokeRoundRect(box, 4, 1, Solid(WithAlpha(teal, 0.75f)));
    Color chevron = state == State::Hover ? white : state == State::Pressed ? teal : cyan;
    float dy = state == State::Pressed ? 1.0f : 0.0f;
    DrawChevron(img, 99.5f, 10 + dy, 3.5f, checked ? -1 : 1, 1.6f, Solid(chevron));
    return img;
}

Image Tab(const Image& largeBk, int x, bool checked) {
    Image img = largeBk.Crop(x, L::tabY, 145, 26);
    if (checked) {
        // Open at the bottom: the tab flows into the page below it.
        const Rect r{0.5f, 0.5f, 144.5f, 40};
        img.FillRoundRect(r, 6, VerticalGradient(Rgb(32, 44, 56), page, 0, 22));
        img.StrokeRoundRect(r, 6, 1, Solid(WithAlpha(cyan, 0.32f)));
        DrawAccentLine(img, 6, 139, 1, cyan, 0.95f);
    } else {
        const Rect r{0.5f, 3.5f, 144.5f, 25};
        img.FillRoundRect(r, 6, VerticalGradient(Rgb(26, 31, 39), Rgb(15, 18, 23), 3, 25));
        img.StrokeRoundRect({0.5f, 3.5f, 144.5f, 31}, 6, 1, Solid(WithAlpha(cyan, 0.14f)));
    }
    img.Flatten(page);
    return img;
}

Image Line() {
    Image img(580, 3);
    for (int x = 0; x < 580; ++x) {
        float t = (x + 0.5f) / 580;
        float fade = Smoothstep(0, 0.2f, t) * Smoothstep(1, 0.8f, t);
        img.Set(x, 0, WithAlpha(cyan, 0.16f * fade));
        img.Set(x, 1, WithAlpha(Mix(cyan, pale, 0.5f), 0.8f * fade));
        img.Set(x, 2, WithAlpha(cyan, 0.16f * fade));
    }
    return img;
}

void GlowStrokes(Image& img, const std::vector<std::pair<Point, Point>>& segs, float width, Color c) {
    AddGlow(img, 2, 0.8f, [&](Image& l) { l.StrokeSegments(segs, width, Solid(WithAlpha(c, 0.7f))); });
    img.StrokeSegments(segs, width, Solid(c));
}

std::vector<std::pair<Point, Point>> Box(float x0, float y0, float x1, float y1) {
    return {{{x0, y0}, {x1, y0}}, {{x1, y0}, {x1, y1}}, {{x1, y1}, {x0, y1}}, {{x0, y1}, {x0, y0}}};
}

Image CpuIcon() {
    Image img(24, 22);
    std::vector<std::pair<Point, Point>> pins;
    for (float p : {9.0f, 12.0f, 15.0f}) {
        pins.push_back({{p, 2}, {p, 4.5f}});
        pins.push_back({{p, 17.5f}, {p, 20}});
    }
    for (float p : {8.0f, 11.0f, 14.0f}) {
        pins.push_back({{3.5f, p}, {6, p}});
        pins.push_back({{18, p}, {20.5f, p}});
    }
    img.StrokeSegments(pins, 1.2f, Solid(WithAlpha(cyan, 0.7f)));
    GlowStrokes(img, Box(6.5f, 5.5f, 17.5f, 16.5f), 1.4f, cyan);
    img.FillRoundRect({9.5f, 8.5f, 14.5f, 13.5f}, 1, Solid(lime));
    return img;
}

Image DramIcon() {
    Image img(24, 22);
    std::vector<std::pair<Point, Point>> teeth;
    for (float x = 5; x <= 19; x += 2.8f)
        teeth.push_back({{x, 15.5f}, {x, 18}});
    img.StrokeSegments(teeth, 1.1f, Solid(WithAlpha(cyan, 0.7f)));
    GlowStrokes(img, Box(2.5f, 5.5f, 21.5f, 14.5f), 1.4f, cyan);
    for (float x : {5.0f, 10.0f, 15.0f})
        img.FillRoundRect({x, 8, x + 4, 12}, 0.8f, Solid(lime));
    return img;
}

Image ExpertIcon() {
    Image img(24, 22);
    const float ys[3] = {5.5f, 11, 16.5f}, knobs[3] = {8, 16, 11};
    for (int i = 0; i < 3; ++i)
        GlowStrokes(img, {{{3, ys[i]}, {21, ys[i]}}}, 1.3f, WithAlpha(cyan, 0.85f));
    for (int i = 0; i < 3; ++i) {
        img.FillCircle(knobs[i], ys[i], 2.8f, Solid(bodyBottom));
        img.FillCircle(knobs[i], ys[i], 2.2f, Solid(lime));
    }
    return img;
}

Image ComboBody(bool open) {
    Image img(194, 22);
    const Rect r{0.5f, 0.5f, 193.5f, 21.5f};
    if (open)
        AddGlow(img, 2, 0.7f, [&](Image& l) { l.StrokeRoundRect(r, 4, 1.5f, Solid(WithAlpha(cyan, 0.8f))); });
    img.FillRoundRect(r, 4, VerticalGradient(Rgb(8, 11, 15), open ? Rgb(18, 34, 42) : Rgb(17, 21, 27), 0, 22));
    img.FillRoundRect(r, 4, [](float, float y) { return Color{0, 0, 0, 0.4f * (1 - Smoothstep(0, 6, y))}; });
    img.StrokeRoundRect(r, 4, 1, Solid(WithAlpha(open ? pale : cyan, open ? 0.9f : 0.38f)));
    img.FillCoverage({170, 4, 171, 18}, [](float x, float y) { return (x > 170 && x < 171 && y > 4 && y < 18) ? 1.f : 0.f; },
                     Solid(WithAlpha(cyan, 0.18f)));
    return img;
}

Image ComboButton(State state) {
    Image img(20, 20);
    DrawButtonFace(img, {0.5f, 0.5f, 19.5f, 19.5f}, 3.5f, state);
    Color c = state == State::Hover ? white : state == State::Pressed ? teal : cyan;
    DrawChevron(img, 10, state == State::Pressed ? 11.5f : 10.5f, 3.5f, 1, 1.6f, Solid(c));
    return img;
}

Image StepButton(int width, int height, const Rect& r, float radius, float arrow, int dir, State state) {
    Image img(width, height);
    DrawButtonFace(img, r, radius, state);
    Color c = state == State::Hover ? white : state == State::Pressed ? teal : cyan;
    float cx = (r.x0 + r.x1) / 2 + (state == State::Pressed ? 0.5f : 0), cy = (r.y0 + r.y1) / 2 + (state == State::Pressed ? 0.5f : 0);
    if (state == State::Hover)
        AddGlow(img, 1, 0.8f, [&](Image& l) { DrawArrow(l, cx, cy, arrow, dir, Solid(WithAlpha(cyan, 0.8f))); });
    DrawArrow(img, cx, cy, arrow, dir, Solid(c));
    return img;
}

} // namespace

void DrawControls(Skin& skin) {
    for (int s = 0; s < 3; ++s) {
        skin.Add(std::string("colse") + kSuffix[s] + ".png", TitleButton(true, kStates[s]));
        skin.Add(std::string("small") + kSuffix[s] + ".png", TitleButton(false, kStates[s]));
        skin.Add(std::string("more_set_down") + kSuffix[s] + ".png", MoreSetting(false, kStates[s]));
        skin.Add(std::string("more_set_up") + kSuffix[s] + ".png", MoreSetting(true, kStates[s]));
        skin.Add(std::string("combo_button") + kSuffix[s] + ".png", ComboButton(kStates[s]));
        // Large bars: arrows in small pills; group rows: opaque on the page,
        // since they are blended over the compact background where the page
        // is not part of the window.
        skin.Add(std::string("big_left") + kSuffix[s] + ".png", StepButton(18, 11, {0.5f, 0.5f, 17.5f, 10.5f}, 4, 6, -1, kStates[s]));
        skin.Add(std::string("big_right") + kSuffix[s] + ".png", StepButton(18, 11, {0.5f, 0.5f, 17.5f, 10.5f}, 4, 6, 1, kStates[s]));
        Image left = StepButton(14, 18, {1, 2, 13, 16}, 3, 5, -1, kStates[s]);
        Image right = StepButton(14, 18, {1, 2, 13, 16}, 3, 5, 1, kStates[s]);
        left.Flatten(page);
        right.Flatten(page);
        skin.Add(std::string("left") + kSuffix[s] + ".png", left);
        skin.Add(std::string("right") + kSuffix[s] + ".png", right);
    }
    for (int s = 0; s < 4; ++s) {
        Image face(120, 26);
        DrawButtonFace(face, {1.5f, 1.5f, 118.5f, 24.5f}, 5, kStates[s]);
        skin.Add(std::string("button01") + kSuffix[s] + ".png", face);
    }
    const Image& large = skin.embedded.at("LargeBk");
    skin.Add("tab01_down.png", Tab(large, L::advanceTabX, false));
    skin.Add("tab01_up.png", Tab(large, L::advanceTabX, true));
    skin.Add("tab02_down.png", Tab(large, L::ratioTabX, false));
    skin.Add("tab02_up.png", Tab(large, L::ratioTabX, true));
    skin.Add("line01.png", Line());
    skin.Add("cpu_chipset_icon.png", CpuIcon());
    skin.Add("dram_icon.png", DramIcon());
    skin.Add("misc_icon.png", ExpertIcon());
    skin.Add("combo_box_n.png", ComboBody(false));
    skin.Add("combo_box_o.png", ComboBody(true));
}

} // namespace skinmaker
