// The bitmaps built into the programs (linked into this test from the same
// object libraries that Veltrune.exe and Tunevault.dll link).

#include <gtest/gtest.h>

#include <string>

#include "frame/Exception.h"
#include "resources/EmbeddedBitmaps.h"
#include "resources/SkinNames.h"
#include "tests/artwork/ArtworkSupport.h"
#include "tests/support/Pictures.h"

namespace {

using artwork::LoadEmbedded;
using artwork::Picture;
using artwork::SameColour;
namespace embedded = skin::embedded;

bool IsShapeKey(const artwork::Rgba& p) { return SameColour(p, 255, 0, 255); }
bool IsCloseKey(const artwork::Rgba& p) { return SameColour(p, 31, 31, 31); }

TEST(EmbeddedBitmaps, EveryBitmapIsBuiltInWith24BitsAtItsSize) {
    for (const auto& list : {std::vector<embedded::Bitmap>(std::begin(embedded::veltruneBitmaps), std::end(embedded::veltruneBitmaps)),
                             std::vector<embedded::Bitmap>(std::begin(embedded::tunevaultBitmaps), std::end(embedded::tunevaultBitmaps))})
        for (const embedded::Bitmap& b : list) {
            Picture pic = LoadEmbedded(b.name);
            ASSERT_FALSE(pic.Empty()) << b.name << " is not built in";
            EXPECT_EQ(b.width, pic.width) << b.name;
            EXPECT_EQ(b.height, pic.height) << b.name;
            EXPECT_EQ(24, pic.bitsPerPixel) << b.name;
        }
}

// The program reads its built-in bitmaps from its file, not through the
// system's loader: the pixels must be the same, top row first.
TEST(EmbeddedBitmaps, TheFrameworkReadsThemAsTheSystemLoaderDoes) {
    for (const embedded::Bitmap& b : embedded::veltruneBitmaps) {
        frame::Bitmap read;
        read.LoadFromResourceName(GetModuleHandleA(nullptr), b.name);
        EXPECT_EQ(frame::PixelFormat::Bits24, read.Format()) << b.name;
        EXPECT_TRUE(testsupport::RegionMatches(artwork::BitmapOf(LoadEmbedded(b.name)), 0, 0, read, 0, 0, b.width,
                                               b.height))
            << b.name;
    }
    frame::Bitmap kept(2, 2);
    EXPECT_THROW(kept.LoadFromResourceName(GetModuleHandleA(nullptr), "NoSuchBitmap"), frame::Exception);
    EXPECT_EQ(2, kept.Width()) << "a failed read leaves the picture as it was";
}

TEST(EmbeddedBitmaps, MainBackgroundsKeyEverythingOutsideTheirShape) {
    const std::pair<const char*, int> backgrounds[] = {{"SmallBk", 263}, {"MiddleBk", 499}, {"LargeBk", 656}};
    for (const auto& [name, bottom] : backgrounds) {
        Picture bk = LoadEmbedded(name);
        ASSERT_FALSE(bk.Empty()) << name;
        EXPECT_TRUE(IsShapeKey(bk.At(0, bk.height - 1))) << name << ": bottom-left pixel";
        int minX = bk.width, maxX = -1, minY = bk.height, maxY = -1;
        for (int y = 0; y < bk.height; ++y)
            for (int x = 0; x < bk.width; ++x)
                if (!IsShapeKey(bk.At(x, y))) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
        EXPECT_EQ(7, minX) << name;
        EXPECT_EQ(646, maxX) << name;
        EXPECT_EQ(10, minY) << name;
        EXPECT_EQ(bottom, maxY) << name;
        // No holes: away from the rounded corners every pixel is the window.
        int holes = 0;
        for (int y = 10; y <= bottom; ++y)
            for (int x = 7 + 12; x <= 646 - 12; ++x)
                holes += IsShapeKey(bk.At(x, y));
        for (int y = 10 + 12; y <= bottom - 12; ++y)
            holes += IsShapeKey(bk.At(7, y)) + IsShapeKey(bk.At(646, y));
        EXPECT_EQ(0, holes) << name;
    }
}

// Faces blended once over the compact background (title buttons, check box,
// bars' step buttons) stay on screen when the window switches backgrounds.
TEST(EmbeddedBitmaps, TheCompactAreaIsTheSameInAllThreeBackgrounds) {
    Picture small = LoadEmbedded("SmallBk"), middle = LoadEmbedded("MiddleBk"), large = LoadEmbedded("LargeBk");
    ASSERT_FALSE(small.Empty() || middle.Empty() || large.Empty());
    const frame::Bitmap compact = artwork::BitmapOf(small);
    EXPECT_TRUE(testsupport::RegionMatches(artwork::BitmapOf(middle), 0, 0, compact, 0, 0, small.width, 240));
    EXPECT_TRUE(testsupport::RegionMatches(artwork::BitmapOf(large), 0, 0, compact, 0, 0, small.width, 240));
}

TEST(EmbeddedBitmaps, OpaqueFacesMatchThePageAroundThem) {
    Picture middle = LoadEmbedded("MiddleBk"), large = LoadEmbedded("LargeBk");
    // Group rows: two columns at 31 or 45 pixel pitch, or one column at 339.
    const int lefts[] = {211, 509, 339};
    const int tops[] = {325, 333, 356, 378, 387, 418};
    for (const skin::StateImages& s : {skin::smallDecrease, skin::smallIncrease}) {
        Picture face = artwork::LoadPng(s.normal);
        ASSERT_FALSE(face.Empty());
        const int offset = (&s == &skin::smallDecrease) ? -18 : 100 - 3;
        for (int left : lefts)
            for (int top : tops)
                for (const Picture* bk : {&middle, &large}) {
                    const int x = left + offset, y = top;
                    EXPECT_LE(artwork::ChannelDistance(face.At(0, 0), bk->At(x, y)), 2) << s.normal << " at " << x << "," << y;
                    EXPECT_LE(artwork::ChannelDistance(face.At(face.width - 1, face.height - 1),
                                                       bk->At(x + face.width - 1, y + face.height - 1)), 2)
                        << s.normal << " at " << x << "," << y;
                }
    }
    // An unchecked tab is the page's surroundings with a tab drawn on it.
    for (const auto& [name, x] : {std::pair{skin::advanceTabUnchecked, 27}, std::pair{skin::ratioTabUnchecked, 176}}) {
        Picture tab = artwork::LoadPng(name);
        ASSERT_FALSE(tab.Empty());
        EXPECT_LE(artwork::ChannelDistance(tab.At(0, 0), large.At(x, 245)), 2) << name;
        EXPECT_LE(artwork::ChannelDistance(tab.At(tab.width / 2, tab.height - 1), large.At(x + tab.width / 2, 270)), 2) << name;
    }
}

TEST(EmbeddedBitmaps, DialogBackgroundsAreShapedByTheirBottomLeftKey) {
    Picture profile = LoadEmbedded("ProfileDialogBk"), ask = LoadEmbedded("AskDialogBk"), danger = LoadEmbedded("AskDialogDangerBk");
    ASSERT_FALSE(profile.Empty() || ask.Empty() || danger.Empty());
    for (const Picture* bk : {&profile, &ask, &danger}) {
        EXPECT_TRUE(IsShapeKey(bk->At(0, bk->height - 1)));
        EXPECT_TRUE(IsShapeKey(bk->At(0, 0)));
        EXPECT_TRUE(IsShapeKey(bk->At(bk->width - 1, 0)));
        EXPECT_FALSE(IsShapeKey(bk->At(bk->width / 2, bk->height / 2)));
    }
    // The close button's faces are drawn once, over the normal picture.
    ASSERT_TRUE(testsupport::RegionMatches(artwork::BitmapOf(danger), 217, 8, artwork::BitmapOf(ask), 217, 8, 45, 20, 6));
    // The danger picture replaces the normal one without reshaping the window.
    int mismatched = 0;
    for (int y = 0; y < ask.height; ++y)
        for (int x = 0; x < ask.width; ++x)
            mismatched += IsShapeKey(ask.At(x, y)) != IsShapeKey(danger.At(x, y));
    EXPECT_EQ(0, mismatched);
}

// The ask dialog's buttons are blended over the save-profile background at
// the ask dialog's positions and then shown on the ask backgrounds.
TEST(EmbeddedBitmaps, AskButtonsBlendOverBothDialogBackgroundsAlike) {
    Picture profile = LoadEmbedded("ProfileDialogBk"), ask = LoadEmbedded("AskDialogBk"), danger = LoadEmbedded("AskDialogDangerBk");
    const skin::SkinFile* button = skin::Find("", skin::dialogButton.normal);
    ASSERT_NE(nullptr, button);
    const frame::Bitmap blendedOver = artwork::BitmapOf(profile);
    for (const Picture* shown : {&ask, &danger})
        for (int left : {46, 160, 103})
            ASSERT_TRUE(testsupport::RegionMatches(artwork::BitmapOf(*shown), left, 134, blendedOver, left, 134,
                                                   button->width, button->height, 6));
}

TEST(EmbeddedBitmaps, CloseButtonFacesAreKeyedAndDistinct) {
    for (const char* prefix : {"ProfileClose", "AskClose"}) {
        Picture faces[3];
        const char* states[3] = {"Raised", "Sunken", "Focused"};
        for (int i = 0; i < 3; ++i) {
            faces[i] = LoadEmbedded((std::string(prefix) + states[i]).c_str());
            ASSERT_FALSE(faces[i].Empty()) << prefix << states[i];
            const Picture& f = faces[i];
            EXPECT_TRUE(IsCloseKey(f.At(0, f.height - 1))) << prefix << states[i] << ": bottom-left pixel";
            EXPECT_TRUE(IsCloseKey(f.At(0, 0)));
            EXPECT_TRUE(IsCloseKey(f.At(f.width - 1, 0)));
            // The face itself never uses the key, or the region would punch holes in it.
            // Checked along the middle row and column, clear of the rounded ends.
            for (int x = 3; x < f.width - 3; ++x)
                ASSERT_FALSE(IsCloseKey(f.At(x, f.height / 2))) << prefix << states[i] << " at x " << x;
            for (int y = 3; y < f.height - 3; ++y)
                ASSERT_FALSE(IsCloseKey(f.At(f.width / 2, y))) << prefix << states[i] << " at y " << y;
        }
        EXPECT_GT(artwork::ChangedShare(faces[0], faces[1]), 0.03);
        EXPECT_GT(artwork::ChangedShare(faces[0], faces[2]), 0.03);
        EXPECT_GT(artwork::ChangedShare(faces[1], faces[2]), 0.03);
    }
}

TEST(EmbeddedBitmaps, CoreBackdropIsOpaqueArtwork) {
    Picture core = LoadEmbedded("CoreBk");
    ASSERT_FALSE(core.Empty());
    for (const artwork::Rgba& p : core.pixels)
        ASSERT_FALSE(IsShapeKey(p));
}

} // namespace
