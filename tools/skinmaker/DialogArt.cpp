// The library's dialogs: the save-profile and ask backgrounds (and the
// danger variant), their close buttons, button faces, field frames and
// shadows.
//
// The ask dialog's buttons are pre-blended over the save-profile background
// at the ask dialog's button positions, so both backgrounds are drawn from
// one function of the window position and kept plain around those buttons.

#include <cmath>
#include <string>

#include "tools/skinmaker/ImageFiles.h"
#include "tools/skinmaker/Layout.h"
#include "tools/skinmaker/Palette.h"
#include "tools/skinmaker/Shapes.h"
#include "tools/skinmaker/Skin.h"
#include "tools/skinmaker/StrokeFont.h"

namespace skinmaker {

namespace {

using namespace palette;
namespace L = layout;

const Color kFieldColor = Rgb(28, 36, 40); // the name field's and list's own background

Rect DialogShape(int width, int height) {
    return {float(L::dialogInsetX), float(L::dialogInsetTop), float(width - L::dialogInsetX),
            float(height - L::dialogInsetBottom)};
}

Color DialogBodyAt(float x, float y) {
    Color c = Mix(bodyTop, bodyBottom, Smoothstep(6, 200, y));
    float d = std::hypot((x - 60) / 1.5f, y - 6);
    return Mix(c, Rgb(40, 70, 90), 0.2f * (1 - Smoothstep(0, 220, d)));
}

void DrawBadge(Image& img, float cx, float cy, bool warning) {
    if (warning) {
        std::vector<Point> tri = {{cx, cy - 9}, {cx + 10, cy + 8}, {cx - 10, cy + 8}};
        AddGlow(img, 3, 1.0f, [&](Image& l) { l.FillPolygon(tri, Solid(WithAlpha(danger, 0.8f))); });
        img.FillPolygon(tri, VerticalGradient(amber, Rgb(230, 120, 20), cy - 9, cy + 8));
        img.StrokeSegments({{{cx, cy - 3}, {cx, cy + 2}}, {{cx, cy + 5.2f}, {cx, cy + 5.2f}}}, 2, Solid(Rgb(40, 16, 8)));
    } else {
        AddGlow(img, 3, 0.9f, [&](Image& l) { l.StrokeRoundRect({cx - 9, cy - 9, cx + 9, cy + 9}, 9, 1.6f, Solid(cyan)); });
        img.FillCircle(cx, cy, 9, Solid(Rgb(16, 40, 50)));
        img.StrokeRoundRect({cx - 9, cy - 9, cx + 9, cy + 9}, 9, 1.4f, Solid(cyan));
        img.StrokeSegments({{{cx, cy - 1}, {cx, cy + 4.5f}}, {{cx, cy - 4.5f}, {cx, cy - 4.5f}}}, 2.2f, Solid(pale));
    }
}

Image DialogBackground(int width, int height, int footerTop, bool dangerous) {
    Image img(width, height);
    img.FillCoverage({0, 0, float(width), float(height)}, [](float, float) { return 1.0f; }, DialogBodyAt);
    img.FillCoverage({0, 6, float(width), 42}, [](float, float) { return 1.0f; }, [&](float, float y) {
        return Color{1, 1, 1, 0.035f * (1 - Smoothstep(6, 42, y))};
    });
    if (dangerous) // red light from the warning sign, gone before the close button
        img.FillCoverage({0, 0, float(width), float(height)}, [](float, float) { return 1.0f; }, [](float x, float y) {
            float d = std::hypot(x - 27, (y - 24) * 4);
            return WithAlpha(Rgb(150, 28, 20), 0.42f * (1 - Smoothstep(0, 185, d)));
        });
    DrawAccentLine(img, 20, width - 20.0f, 42, dangerous ? danger : cyan, dangerous ? 0.8f : 0.5f);
    // Footer band.
    img.FillCoverage({0, float(footerTop), float(width), float(height)}, [](float, float) { return 1.0f; },
                     Solid(Color{0, 0, 0, 0.22f}));
    DrawAccentLine(img, 40, width - 40.0f, float(footerTop), cyan, 0.18f);
    const Rect shape = DialogShape(width, height);
    img.StrokeRoundRect(shape.Inset(1), L::cornerRadius - 1, 1, [&](float, float y) {
        return dangerous ? WithAlpha(danger, 0.55f - 0.3f * Smoothstep(6, 200, y))
                         : WithAlpha(pale, 0.30f - 0.18f * Smoothstep(6, 200, y));
    });
    return img;
}

Image ProfileBackground() {
    Image img = DialogBackground(L::profileWidth, L::profileHeight, 226, false);
    // Accent beside the title, a divider before the button column.
    AddGlow(img, 2, 0.9f, [](Image& l) { l.FillRoundRect({15, 17, 18, 33}, 1.5f, Solid(teal)); });
    img.FillRoundRect({15, 17, 18, 33}, 1.5f, VerticalGradient(white, teal, 17, 33));
    for (int y = 58; y < 214; ++y)
        img.Blend(296, y, cyan, 0.12f * Smoothstep(58, 90, float(y)) * Smoothstep(214, 182, float(y)));
    DrawText(img, "VELTRUNE", L::profileWidth - 100.0f, 237, {6, 1, 1.4f, 0}, Solid(WithAlpha(cyan, 0.35f)));
    CutShape(img, DialogShape(L::profileWidth, L::profileHeight), L::cornerRadius, shapeKey);
    return img;
}

Image AskBackground(bool dangerous) {
    Image img = DialogBackground(L::askWidth, L::askHeight, 170, dangerous);
    DrawBadge(img, 27, 24, dangerous);
    TextStyle caption{8, 1.4f, 1.2f, 0};
    if (dangerous) {
        AddGlow(img, 2, 0.8f, [&](Image& l) { DrawText(l, "WARNING", 46, 20, caption, Solid(WithAlpha(danger, 0.8f))); });
        DrawText(img, "WARNING", 46, 20, caption, Solid(amber));
    } else {
        DrawText(img, "VELTRUNE", 46, 20, caption, Solid(WithAlpha(cyan, 0.85f)));
    }
    CutShape(img, DialogShape(L::askWidth, L::askHeight), L::cornerRadius, shapeKey);
    return img;
}

// Close button face composed over its dialog's background; everything
// outside the pill becomes the button's key colour.
Image CloseFace(const Image& background, int x, int y, State state) {
    Image img = background.Crop(x, y, L::closeFaceWidth, L::closeFaceHeight);
    const Rect pill{2.5f, 2.5f, 42.5f, 17.5f};
    Color top = Rgb(42, 50, 61), bottom = Rgb(26, 31, 39), border = WithAlpha(cyan, 0.35f), glyph = WithAlpha(pale, 0.8f);
    float dy = 0;
    if (state == State::Hover) {
        top = Rgb(206, 56, 46);
        bottom = Rgb(128, 24, 22);
        border = WithAlpha(Rgb(255, 150, 130), 0.95f);
        glyph = white;
    } else if (state == State::Pressed) {
        top = Rgb(92, 16, 14);
        bottom = Rgb(150, 34, 28);
        border = WithAlpha(danger, 0.95f);
        glyph = Rgb(255, 205, 195);
        dy = 1;
    }
    img.FillRoundRect(pill, 7.5f, VerticalGradient(top, bottom, pill.y0, pill.y1));
    img.StrokeRoundRect(pill, 7.5f, 1, Solid(border));
    const float cx = 22.5f, cy = 10 + dy;
    img.StrokeSegments({{{cx - 3.5f, cy - 3.5f}, {cx + 3.5f, cy + 3.5f}}, {{cx + 3.5f, cy - 3.5f}, {cx - 3.5f, cy + 3.5f}}}, 1.6f,
                       Solid(glyph));
    for (int py = 0; py < img.Height(); ++py)
        for (int px = 0; px < img.Width(); ++px) {
            if (CoverageFromDistance(SdRoundRect(px + 0.5f, py + 0.5f, pill, 7.5f)) < 0.5f) {
                img.Set(px, py, closeKey);
            } else if (IsKey(img, px, py, closeKey)) {
                Color c = img.Get(px, py); // never let the face itself read as key
                img.Set(px, py, {c.r, c.g, c.b + 1 / 255.0f, 1});
            }
        }
    return img;
}

Image FieldFrame(int width, int height) {
    Image img(width, height);
    const Rect r{0.5f, 0.5f, width - 0.5f, height - 0.5f};
    AddGlow(img, 1, 0.4f, [&](Image& l) { l.StrokeRoundRect(r, 4, 1, Solid(WithAlpha(cyan, 0.6f))); });
    img.FillRoundRect(r, 4, Solid(kFieldColor));
    img.StrokeRoundRect(r, 4, 1, [&](float, float y) { return WithAlpha(cyan, y > height - 2.0f ? 0.6f : 0.38f); });
    return img;
}

} // namespace

void DrawDialogs(Skin& skin) {
    Image profile = ProfileBackground();
    Image ask = AskBackground(false);
    Image dangerous = AskBackground(true);
    const State faces[3] = {State::Normal, State::Pressed, State::Hover};
    const char* names[3] = {"Raised", "Sunken", "Focused"};
    for (int i = 0; i < 3; ++i) {
        skin.embedded[std::string("ProfileClose") + names[i]] = CloseFace(profile, L::profileCloseX, L::profileCloseY, faces[i]);
        skin.embedded[std::string("AskClose") + names[i]] = CloseFace(ask, L::askCloseX, L::askCloseY, faces[i]);
    }
    const char* suffix[3] = {"_n", "_d", "_o"};
    for (int i = 0; i < 3; ++i) {
        Image face(75, 24);
        DrawButtonFace(face, {1.5f, 1.5f, 73.5f, 22.5f}, 5, faces[i]);
        skin.Add(std::string("small_button01") + suffix[i] + ".png", face);
    }
    skin.Add("type_name.png", FieldFrame(184, 24));
    skin.Add("names.png", FieldFrame(184, 91));
    skin.Add("save_profile_shadow01.png", MakeShadow(profile, shapeKey, L::profileWidth, L::profileHeight, 3, 0.9f, 2));
    skin.Add("shadow_01.png", MakeShadow(ask, shapeKey, L::askWidth, L::askHeight, 3, 0.9f, 2));
    skin.embedded["ProfileDialogBk"] = std::move(profile);
    skin.embedded["AskDialogBk"] = std::move(ask);
    skin.embedded["AskDialogDangerBk"] = std::move(dangerous);
}

} // namespace skinmaker
