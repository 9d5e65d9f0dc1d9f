// The main window in its three states and the two dialogs, composed from the
// pictures at the places the windows put them. Captions are approximated
// with the stroke font; the real windows draw them with Arial.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/skinmaker/Layout.h"
#include "tools/skinmaker/Palette.h"
#include "tools/skinmaker/Preview.h"
#include "tools/skinmaker/Shapes.h"
#include "tools/skinmaker/StrokeFont.h"

namespace skinmaker {

namespace {

using namespace palette;
namespace L = layout;

enum class Align { Left, Right, Centre };

void Text(Image& img, const std::string& text, float x, float y, float w, float h, Color c, Align align, float size = 8) {
    TextStyle style{size, size > 8 ? 1.5f : 1.2f, 0.5f, 0};
    float tw = TextWidth(text, style);
    float tx = align == Align::Left ? x : align == Align::Right ? x + w - tw : x + (w - tw) / 2;
    DrawText(img, text, tx, y + (h - size) / 2, style, Solid(c));
}

// A shaped window: its shadow, then every pixel of the picture but the key.
void PutWindow(Image& canvas, const Image& picture, const Image* shadow, Color key, int x, int y) {
    if (shadow)
        canvas.Draw(*shadow, x, y);
    for (int py = 0; py < picture.Height(); ++py)
        for (int px = 0; px < picture.Width(); ++px)
            if (!IsKey(picture, px, py, key))
                canvas.Set(x + px, y + py, picture.Get(px, py));
}

class MainMockup {
public:
    MainMockup(const Skin& skin, const char* background) : m_skin(skin), m_img(skin.embedded.at(background)) {}

    const Image& File(const std::string& name) const { return m_skin.File(name); }
    void Put(const std::string& name, int x, int y) { m_img.Draw(File(name), x, y); }

    void Common(bool expanded, int actionY) {
        Put("small_n.png", L::minimizeX, L::titleButtonY);
        Put("colse_n.png", L::closeX, L::titleButtonY);
        Text(m_img, "PROFILES :", 22, L::comboY, 67, 20, cyan, Align::Right);
        Put("combo_box_n.png", L::comboX, L::comboY);
        Put("combo_button_n.png", L::comboX + 172, L::comboY + 1);
        Text(m_img, "DAILY OC", L::comboX + 6, L::comboY, 150, 22, Rgb(255, 255, 251), Align::Left, 7);
        Put("button01_n.png", L::saveProfileX, L::saveProfileY);
        Text(m_img, "SAVE PROFILE", L::saveProfileX, L::saveProfileY, 120, 26, Rgb(204, 204, 204), Align::Centre, 7);
        const char* captions[4] = {"CPU FREQUENCY :", "PCIE FREQUENCY :", "CPU VOLTAGE :", "MEMORY VOLTAGE :"};
        const char* current[4] = {"200", "100", "1.35", "1.50"};
        const char* chosen[4] = {"215", "100", "1.35", "1.65"};
        const char* unit[4] = {"(MHZ)", "(MHZ)", "(V)", "(V)"};
        const float position[4] = {0.55f, 0.2f, 0.42f, 0.8f};
        for (int n = 0; n < 4; ++n) {
            int y = L::largeBarY + L::largeBarPitch * n;
            bool changed = std::string(current[n]) != chosen[n];
            LargeBar(L::largeBarX, y, position[n], n == 0);
            Text(m_img, captions[n], L::largeBarX - 277, y - 4, 130, 20, cyan, Align::Right);
            Text(m_img, current[n], L::largeBarX - 133, y - 1, 35, 14, white, Align::Right);
            Text(m_img, chosen[n], L::largeBarX - 102, y - 1, 35, 14, changed ? amber : teal, Align::Right);
            Text(m_img, unit[n], L::largeBarX - 62, y - 1, 36, 14, teal, Align::Left, 7);
        }
        Put(expanded ? "more_set_up_n.png" : "more_set_down_n.png", L::moreSettingX, L::moreSettingY);
        Text(m_img, "MORE SETTING", L::moreSettingX + 4, L::moreSettingY, 86, 20, Rgb(252, 252, 252), Align::Centre, 7);
        Put("button01_o.png", L::applyX, actionY);
        Text(m_img, "APPLY", L::applyX, actionY, 120, 26, pale, Align::Centre, 7);
        Put("button01_un.png", L::undoX, actionY);
        Text(m_img, "UNDO", L::undoX, actionY, 120, 26, Rgb(120, 124, 130), Align::Centre, 7);
    }

    void Tabs(bool advance) {
        Put(advance ? "tab01_up.png" : "tab01_down.png", L::advanceTabX, L::tabY);
        Put(advance ? "tab02_down.png" : "tab02_up.png", L::ratioTabX, L::tabY);
        Text(m_img, "ADVANCE MODE", L::advanceTabX, L::tabY, 145, 26, cyan, Align::Centre);
        Text(m_img, "CPU RATIO", L::ratioTabX, L::tabY, 145, 26, cyan, Align::Centre);
    }

    void AdvancePage() {
        Put("cpu_chipset_icon.png", L::groupX, L::groupY);
        Text(m_img, "CPU/CHIP VOLTAGE", L::groupX + 32, L::groupY + 2, 250, 18, lime, Align::Left, 7);
        const char* names[4] = {"VCORE VOLT", "VTT VOLT", "NB VOLT", "SB VOLT"};
        const char* values[4] = {"1.350", "1.100", "1.200", "1.050"};
        const float position[4] = {0.5f, 0.3f, 0.7f, 0.15f};
        for (int n = 0; n < 4; ++n) {
            int x = L::groupX + 172 + 298 * (n % 2), y = L::groupY + 38 + 45 * (n / 2);
            SmallBar(x, y, position[n], n == 2);
            Text(m_img, names[n], x - 187, y, 77, 16, Rgb(40, 255, 217), Align::Right, 7);
            Text(m_img, values[n], x - 106, y + 2, 30, 14, white, Align::Right, 7);
            Text(m_img, n == 2 ? "1.250" : values[n], x - 70, y + 2, 30, 14, n == 2 ? amber : teal, Align::Right, 7);
            Text(m_img, "(V)", x - 35, y + 2, 16, 14, teal, Align::Left, 7);
        }
        Put("line01.png", L::lineX, L::lineY);
    }

    void RatioPage() {
        m_img.Draw(m_skin.embedded.at("CoreBk"), L::coreX, L::coreY);
        const int ratios[4] = {36, 36, 42, 30};
        for (int i = 0; i < 4; ++i)
            RatioBar(L::ratioBarX + L::ratioBarPitch * i, L::ratioBarY, i, ratios[i], i == 2);
    }

    Image Take() { return std::move(m_img); }

private:
    void LargeBar(int x, int y, float t, bool hover) {
        Image bar = File("color_bar_dark01.png");
        const Image& light = File("color_bar_light01.png");
        int knobLeft = x - 3 + int(std::lround(t * 300));
        int w = knobLeft - x + 5;
        for (int py = 0; py < bar.Height(); ++py)
            for (int px = 0; px < std::min(w, bar.Width()); ++px)
                bar.Set(px, py, light.Get(px, py));
        m_img.Draw(bar, x, y);
        Put(hover ? "dot_o.png" : "dot_n.png", knobLeft, y - 6);
        Put("big_left_n.png", x - 22, y + 1);
        Put(hover ? "big_right_o.png" : "big_right_n.png", x + 312, y + 1);
    }

    void SmallBar(int x, int y, float t, bool hover) {
        Image bar = File("small_slider01.png");
        int knob = int(std::lround(t * (bar.Width() - 25)));
        for (int px = 6; px <= knob + 2 && px < bar.Width(); ++px)
            bar.Set(px, 9, WithAlpha(fill, 1));
        m_img.Draw(bar, x, y);
        Put(hover ? "small_dot_o.png" : "small_dot_n.png", x + knob, y + 2);
        Put("left_n.png", x - 18, y);
        Put(hover ? "right_o.png" : "right_n.png", x + bar.Width() - 3, y);
    }

    void RatioBar(int x, int y, int core, int ratio, bool hover) {
        // The meter paints opaque: its background blended over CoreBk.
        Image meter = m_skin.embedded.at("CoreBk").Crop(x - L::coreX, y - L::coreY, 66, 160);
        meter.Draw(File("bar_bg01.png"), 0, 0);
        const std::string tone = hover ? "yellow" : "light";
        const Image& bottom = File(tone + "_down.png");
        const Image& middle = File(tone + "_medium.png");
        const Image& top = File(tone + "_top.png");
        const int k = (ratio - 8) * 131 / (50 - 8);
        meter.Draw(bottom, 3, 146);
        for (int row = 146 - k; row < 146; ++row)
            meter.Draw(middle.Crop(0, 0, middle.Width(), 1), 3, row);
        meter.Draw(top, 3, 146 - k - top.Height());
        m_img.Draw(meter, x, y);
        if (hover)
            Put("dot_d.png", x + 2, y + 122 - k);
        const char* numerals[4] = {"I.png", "II.png", "III.png", "IV.png"};
        Put(std::string("Numbers\\") + numerals[core], x + 25, y - 21);
        // Ratio in large digits, highlighted when it differs from the hardware.
        int base = hover ? 10 : 0;
        char name[32];
        for (int d = 0; d < 2; ++d) {
            std::snprintf(name, sizeof name, "Numbers\\%02d.png", (d == 0 ? ratio / 10 : ratio % 10) + base);
            Put(name, x + 10 + 24 * d, y + 174);
        }
        int mhz = ratio * 100;
        int digits[4] = {mhz / 1000 % 10, mhz / 100 % 10, mhz / 10 % 10, mhz % 10};
        for (int d = 0; d < 4; ++d) {
            std::snprintf(name, sizeof name, "Small_Numbers\\%02d.png", digits[d]);
            Put(name, x - 2 + 10 * d, y + 227);
        }
        Put("Small_Numbers\\mhz.png", x - 2 + 44, y + 227);
    }

    const Skin& m_skin;
    Image m_img;
};

Image BlendedOver(const Image& background, const Image& face, int x, int y) {
    Image out = background.Crop(x, y, face.Width(), face.Height());
    out.Draw(face, 0, 0);
    return out;
}

void PutKeyed(Image& canvas, const Image& face, Color key, int x, int y) { PutWindow(canvas, face, nullptr, key, x, y); }

Image ProfileDialog(const Skin& skin) {
    Image img = skin.embedded.at("ProfileDialogBk");
    PutKeyed(img, skin.embedded.at("ProfileCloseRaised"), closeKey, L::profileCloseX, L::profileCloseY);
    Text(img, "SAVE PROFILE", 25, 16, 200, 16, white, Align::Left, 10);
    Text(img, "NAME :", 13, 62, 68, 21, Rgb(103, 222, 255), Align::Right);
    img.Draw(skin.File("type_name.png"), L::nameFrameX, L::nameFrameY);
    img.Draw(skin.File("names.png"), L::listFrameX, L::listFrameY);
    Text(img, "GAMING", 106, 65, 160, 16, Rgb(204, 204, 204), Align::Left, 7);
    const char* items[3] = {"DAILY OC", "GAMING", "QUIET"};
    for (int i = 0; i < 3; ++i) {
        if (i == 1)
            img.FillCoverage({102, 102.0f + 13 * i, 278, 115.0f + 13 * i}, [](float, float) { return 1.0f; },
                             Solid(Rgb(128, 80, 199)));
        Text(img, items[i], 104, 102.0f + 13 * i, 170, 13, Rgb(204, 204, 204), Align::Left, 7);
    }
    const char* captions[3] = {"SAVE", "DELETE", "CANCEL"};
    const char* faces[3] = {"small_button01_n.png", "small_button01_o.png", "small_button01_n.png"};
    for (int i = 0; i < 3; ++i) {
        img.Draw(skin.File(faces[i]), L::profileButtonX, L::profileButtonY[i]);
        Text(img, captions[i], L::profileButtonX, L::profileButtonY[i], 75, 24, i == 1 ? pale : Rgb(204, 204, 204), Align::Centre, 7);
    }
    return img;
}

Image AskDialog(const Skin& skin, bool dangerous) {
    const Image& profile = skin.embedded.at("ProfileDialogBk");
    Image img = skin.embedded.at(dangerous ? "AskDialogDangerBk" : "AskDialogBk");
    PutKeyed(img, skin.embedded.at("AskCloseRaised"), closeKey, L::askCloseX, L::askCloseY);
    const char* lines[2][3] = {{"THE SETTING MAY CAUSE YOUR", "SYSTEM UNSTABLE. DO YOU", "WANT TO CONTINUE?"},
                               {"YOU CHOOSE HIGH LEVEL", "VOLTAGE TO OVERCLOCK.", "DO YOU WANT TO CONTINUE?"}};
    for (int i = 0; i < 3; ++i)
        Text(img, lines[dangerous][i], 32, 66.0f + 14 * i, 209, 14, Rgb(204, 204, 204), Align::Left, 7);
    // The buttons' faces are blended over the save-profile background, as the
    // library does; seams would show here if the two backgrounds differed.
    img.Draw(BlendedOver(profile, skin.File("small_button01_n.png"), L::askYesX, L::askButtonY), L::askYesX, L::askButtonY);
    img.Draw(BlendedOver(profile, skin.File("small_button01_o.png"), L::askNoX, L::askButtonY), L::askNoX, L::askButtonY);
    Text(img, "YES", L::askYesX, L::askButtonY, 75, 24, Rgb(204, 204, 204), Align::Centre, 7);
    Text(img, "NO", L::askNoX, L::askButtonY, 75, 24, pale, Align::Centre, 7);
    return img;
}

} // namespace

Image Mockups(const Skin& skin) {
    const int gap = 24;
    const int width = gap + 3 * (L::mainWidth + gap);
    const int height = gap + L::mainHeight + gap + L::profileHeight + gap;
    Image canvas(width, height);
    canvas.FillCoverage({0, 0, float(width), float(height)}, [](float, float) { return 1.0f; },
                        VerticalGradient(Rgb(86, 96, 110), Rgb(44, 50, 60), 0, float(height)));

    MainMockup compact(skin, "SmallBk");
    compact.Common(false, L::actionYSmall);
    MainMockup advance(skin, "MiddleBk");
    advance.Common(true, L::actionYMiddle);
    advance.Tabs(true);
    advance.AdvancePage();
    MainMockup ratio(skin, "LargeBk");
    ratio.Common(true, L::actionYLarge);
    ratio.Tabs(false);
    ratio.RatioPage();

    PutWindow(canvas, compact.Take(), &skin.File("small_shadow002.png"), shapeKey, gap, gap);
    PutWindow(canvas, advance.Take(), &skin.File("big_shadow003.png"), shapeKey, gap + L::mainWidth + gap, gap);
    PutWindow(canvas, ratio.Take(), &skin.File("big_shadow002.png"), shapeKey, gap + 2 * (L::mainWidth + gap), gap);

    const int row = gap + L::mainHeight + gap;
    PutWindow(canvas, ProfileDialog(skin), &skin.File("save_profile_shadow01.png"), shapeKey, gap, row);
    PutWindow(canvas, AskDialog(skin, false), &skin.File("shadow_01.png"), shapeKey, gap + L::profileWidth + gap, row);
    PutWindow(canvas, AskDialog(skin, true), &skin.File("shadow_01.png"), shapeKey,
              gap + L::profileWidth + gap + L::askWidth + gap, row);
    return canvas;
}

} // namespace skinmaker
