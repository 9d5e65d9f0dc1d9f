// The PNG files and the icon installed in bin\Resource\.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "resources/SkinNames.h"
#include "tests/artwork/ArtworkSupport.h"
#include "base/Handles.h"

namespace {

using artwork::LoadPng;
using artwork::Picture;

TEST(InstalledSkin, EveryListedFileIsInstalledAtItsListedSize) {
    ASSERT_FALSE(artwork::ResourceFolder().empty()) << "VELTRUNE_RESOURCE_DIR is not set";
    for (const skin::SkinFile& f : skin::pngFiles) {
        const std::string name = std::string(f.folder) + f.name;
        Picture pic = LoadPng(name);
        ASSERT_FALSE(pic.Empty()) << name << " is missing or not a PNG";
        EXPECT_EQ(f.width, pic.width) << name;
        EXPECT_EQ(f.height, pic.height) << name;
    }
}

TEST(InstalledSkin, NothingUnlistedIsInstalledAndTheDigitFoldersAreOneEach) {
    namespace fs = std::filesystem;
    std::set<std::string> folders;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(artwork::ResourceFolder()))) {
        const fs::path rel = fs::relative(entry.path(), fs::path(artwork::ResourceFolder()));
        if (entry.is_directory()) {
            folders.insert(rel.string() + "\\");
            continue;
        }
        const std::string folder = rel.has_parent_path() ? rel.parent_path().string() + "\\" : "";
        const std::string name = rel.filename().string();
        EXPECT_TRUE(skin::Find(folder, name) != nullptr || (folder.empty() && name == skin::trayIcon))
            << folder << name << " is installed but not in the names list";
    }
    // "numbers\" (core numerals) and "Numbers\" (digits) must not become two
    // folders on a case-sensitive file system.
    EXPECT_EQ((std::set<std::string>{skin::folder::numbers, skin::folder::middleNumbers, skin::folder::smallNumbers}),
              folders);
    EXPECT_STREQ(skin::folder::numbers, skin::folder::coreNumerals);
}

TEST(InstalledSkin, EveryStateImageLooksDifferentFromItsSiblings) {
    const skin::StateImages sets[] = {skin::closeButton,   skin::minimizeButton,       skin::commandButton,
                                      skin::moreSettingUnchecked, skin::moreSettingChecked, skin::largeDecrease,
                                      skin::largeIncrease, skin::smallDecrease,        skin::smallIncrease,
                                      skin::comboDropButton, skin::dialogButton};
    for (const skin::StateImages& set : sets) {
        std::vector<std::pair<std::string, Picture>> states;
        for (const char* name : {set.normal, set.pressed, set.hover, set.disabled})
            if (*name)
                states.emplace_back(name, LoadPng(name));
        for (size_t i = 0; i < states.size(); ++i)
            for (size_t j = i + 1; j < states.size(); ++j) {
                ASSERT_EQ(states[i].second.pixels.size(), states[j].second.pixels.size());
                EXPECT_GT(artwork::ChangedShare(states[i].second, states[j].second), 0.03)
                    << states[i].first << " and " << states[j].first << " look alike";
            }
    }
    const std::pair<const char*, const char*> pairs[] = {
        {skin::advanceTabUnchecked, skin::advanceTabChecked}, {skin::ratioTabUnchecked, skin::ratioTabChecked},
        {skin::largeKnobNormal, skin::largeKnobHover},        {skin::smallKnobNormal, skin::smallKnobHover},
        {skin::comboBodyNormal, skin::comboBodyOpen},         {skin::ratioFillTop, skin::ratioHoverFillTop},
        {skin::ratioFillMiddle, skin::ratioHoverFillMiddle},  {skin::largeBarDark, skin::largeBarLight},
        {"Middle_Numbers\\Point1.png", "Middle_Numbers\\Point2.png"}};
    for (const auto& [a, b] : pairs)
        EXPECT_GT(artwork::ChangedShare(LoadPng(a), LoadPng(b)), 0.03) << a << " and " << b << " look alike";
    for (int d = 0; d < 10; ++d)
        for (const char* folder : {skin::folder::numbers, skin::folder::middleNumbers}) {
            char normal[40], highlighted[40];
            std::snprintf(normal, sizeof normal, "%s%02d.png", folder, d);
            std::snprintf(highlighted, sizeof highlighted, "%s%02d.png", folder, d + 10);
            EXPECT_GT(artwork::ChangedShare(LoadPng(normal), LoadPng(highlighted)), 0.03) << normal;
        }
}

TEST(InstalledSkin, DigitsOfOneSetAreAllDifferent) {
    for (const char* folder : {skin::folder::numbers, skin::folder::middleNumbers, skin::folder::smallNumbers})
        for (int a = 0; a < 10; ++a)
            for (int b = a + 1; b < 10; ++b) {
                char na[40], nb[40];
                std::snprintf(na, sizeof na, "%s%02d.png", folder, a);
                std::snprintf(nb, sizeof nb, "%s%02d.png", folder, b);
                EXPECT_GT(artwork::ChangedShare(LoadPng(na), LoadPng(nb)), 0.01) << na << " and " << nb;
            }
}

TEST(InstalledSkin, ShadowsAreBlackAndClearWhereTheirWindowLies) {
    struct Case {
        const char* shadow;
        const char* background;
    };
    const Case cases[] = {{skin::smallShadow, "SmallBk"},
                          {skin::middleShadow, "MiddleBk"},
                          {skin::largeShadow, "LargeBk"},
                          {skin::profileDialogShadow, "ProfileDialogBk"},
                          {skin::askDialogShadow, "AskDialogBk"}};
    for (const Case& c : cases) {
        Picture shadow = LoadPng(c.shadow);
        Picture window = artwork::LoadEmbedded(c.background);
        ASSERT_FALSE(shadow.Empty()) << c.shadow;
        ASSERT_FALSE(window.Empty()) << c.background;
        int visible = 0, underWindow = 0, coloured = 0;
        for (int y = 0; y < shadow.height; ++y)
            for (int x = 0; x < shadow.width; ++x) {
                const artwork::Rgba& p = shadow.At(x, y);
                coloured += p.a != 0 && !artwork::SameColour(p, 0, 0, 0);
                visible += p.a >= 64;
                const bool covered = x < window.width && y < window.height && !artwork::SameColour(window.At(x, y), 255, 0, 255);
                underWindow += covered && p.a != 0;
            }
        EXPECT_EQ(0, coloured) << c.shadow << " is not pure black";
        EXPECT_EQ(0, underWindow) << c.shadow << " darkens its own window";
        EXPECT_GT(visible, 1000) << c.shadow << " casts no shadow";
    }
}

// Faces that the windows blend over the compact background at places outside
// its shape (the tabs, the group rows' step buttons) would show the key
// colour through any transparency, so they carry their surroundings opaquely.
TEST(InstalledSkin, FacesPlacedBelowTheCompactShapeAreOpaque) {
    std::vector<std::string> names = {skin::advanceTabUnchecked, skin::advanceTabChecked, skin::ratioTabUnchecked,
                                      skin::ratioTabChecked};
    for (const skin::StateImages& s : {skin::smallDecrease, skin::smallIncrease})
        names.insert(names.end(), {s.normal, s.pressed, s.hover});
    for (const std::string& name : names) {
        Picture pic = LoadPng(name);
        ASSERT_FALSE(pic.Empty()) << name;
        for (const artwork::Rgba& p : pic.pixels)
            ASSERT_EQ(255, p.a) << name << " has transparent pixels";
    }
}

TEST(InstalledSkin, TrayIconHoldsSixteenThirtyTwoAndFortyEightPixelImages) {
    const std::string path = artwork::ResourceFolder() + skin::trayIcon;
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 6u + 3 * 16);
    auto u16 = [&](size_t at) { return bytes[at] | bytes[at + 1] << 8; };
    EXPECT_EQ(1, u16(2)); // icon, not cursor
    ASSERT_EQ(3, u16(4));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(skin::trayIconSizes[i], bytes[6 + 16 * i]);
        EXPECT_EQ(skin::trayIconSizes[i], bytes[6 + 16 * i + 1]);
    }
    for (int size : skin::trayIconSizes) {
        base::IconHandle icon(static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
        ASSERT_TRUE(icon) << "size " << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.Get(), &info));
        base::GdiBitmap colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bm{};
        GetObjectA(colour.Get(), sizeof bm, &bm);
        EXPECT_EQ(size, bm.bmWidth);
    }
}

} // namespace
