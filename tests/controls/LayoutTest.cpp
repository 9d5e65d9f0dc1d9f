#include "frame/Label.h"
#include "frame/ListBox.h"
#include "kiln/Component/LuLabel.h"
#include "kiln/widget/layout/TListBoxLayout.h"
#include "kiln/widget/layout/TShadedTextLayout.h"

#include "ControlSupport.h"
#include "FaceSupport.h"
#include "frame/DCScope.h"
#include "tests/support/Pictures.h"

#include <algorithm>
#include <functional>

using namespace testing_controls;

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kBlue = RGB(0, 0, 255);

RECT BoundsWhere(frame::Bitmap& picture, const std::function<bool(COLORREF)>& test) {
    RECT box{picture.Width(), picture.Height(), -1, -1};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (test(picture.PixelColor(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

bool IsShadow(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c) && GetRValue(c) < 250; }
bool IsText(COLORREF c) { return GetBValue(c) > GetRValue(c) + 40; }

class ShadedTextTest : public ::testing::Test {
protected:
    testsupport::ThrowingAsserts asserts;
    void SetUp() override {
        target = SolidFace(120, 60, kWhite);
        frame::Canvas& canvas = target->Canvas();
        canvas.Font().SetHeight(-28);
        canvas.Font().SetBold(true);
        canvas.Font().SetColor(kBlue);
    }
    void Draw() {
        RECT rect{0, 0, 120, 60};
        layout.DrawText(target->Canvas(), "HH", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    kiln::TShadedTextLayout layout;
    std::unique_ptr<frame::Bitmap> target;
};

TEST_F(ShadedTextTest, ShadowLiesAtItsOffsetBesideTheText) {
    layout.SetShadowOffset(4, 5);
    Draw();
    const RECT text = BoundsWhere(*target, IsText);
    const RECT shadow = BoundsWhere(*target, IsShadow);
    ASSERT_LT(text.left, text.right) << "no text drawn";
    ASSERT_LT(shadow.left, shadow.right) << "no shadow drawn";
    // The blur spreads the shadow by up to its radius (2) past the offset text.
    EXPECT_GE(shadow.right, text.right + 4);
    EXPECT_LE(shadow.right, text.right + 4 + 2);
    EXPECT_GE(shadow.bottom, text.bottom + 5);
    EXPECT_LE(shadow.bottom, text.bottom + 5 + 2);
}

TEST_F(ShadedTextTest, NegativeOffsetPutsTheShadowAboveAndLeft) {
    layout.SetShadowOffset(-4, -4);
    Draw();
    const RECT text = BoundsWhere(*target, IsText);
    const RECT shadow = BoundsWhere(*target, IsShadow);
    EXPECT_LE(shadow.left, text.left - 4);
    EXPECT_GE(shadow.left, text.left - 4 - 2);
    EXPECT_LE(shadow.top, text.top - 4);
}

TEST_F(ShadedTextTest, UnshadedDrawsNoShadowAndMeasuresTight) {
    layout.SetShaded(false);
    Draw();
    EXPECT_GT(BoundsWhere(*target, IsText).right, 0);
    EXPECT_EQ(-1, BoundsWhere(*target, IsShadow).right);

    RECT plain{0, 0, 120, 60};
    layout.CalcRect(target->Canvas(), "HH", plain, DT_SINGLELINE);
    layout.SetShaded(true);
    layout.SetShadowOffset(-3, 2);
    RECT shaded{0, 0, 120, 60};
    layout.CalcRect(target->Canvas(), "HH", shaded, DT_SINGLELINE);
    EXPECT_EQ(plain.right + 3 + 3, shaded.right);
    EXPECT_EQ(plain.bottom + 3 + 2, shaded.bottom);
}

TEST_F(ShadedTextTest, WideTextIsShadedAndMeasuredAsNarrowText) {
    layout.SetShadowOffset(3, 3);
    Draw();
    auto wide = SolidFace(120, 60, kWhite);
    frame::Canvas& canvas = wide->Canvas();
    canvas.Font().Assign(target->Canvas().Font());
    RECT rect{0, 0, 120, 60};
    layout.DrawWideText(canvas, L"HH", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_LT(BoundsWhere(*wide, IsShadow).left, 120) << "no shadow under wide text";
    EXPECT_TRUE(testsupport::PicturesMatch(*target, *wide));

    RECT narrowSize{0, 0, 120, 60}, wideSize{0, 0, 120, 60};
    layout.CalcRect(canvas, "HH", narrowSize, DT_SINGLELINE);
    layout.CalcWideRect(canvas, L"HH", wideSize, DT_SINGLELINE);
    EXPECT_TRUE(EqualRect(&narrowSize, &wideSize));
}

TEST_F(ShadedTextTest, ShadowAlphaFollowsTheSettingAndIsZeroAtTheBorder) {
    RECT rect{0, 0, 120, 60};
    layout.SetShadowAlpha(255);
    frame::Bitmap strong = layout.MakeShadow(target->Canvas(), "HH", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    layout.SetShadowAlpha(60);
    frame::Bitmap weak = layout.MakeShadow(target->Canvas(), "HH", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    int strongest = 0, weakest = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) {
            strongest = std::max<int>(strongest, kiln::ViewOf(strong).Pixel(x, y)[3]);
            weakest = std::max<int>(weakest, kiln::ViewOf(weak).Pixel(x, y)[3]);
        }
    EXPECT_GT(strongest, 200);
    EXPECT_LE(weakest, 60);
    EXPECT_GT(weakest, 40);
    for (int x = 0; x < 120; ++x) {
        EXPECT_EQ(0, kiln::ViewOf(strong).Pixel(x, 0)[3]);
        EXPECT_EQ(0, kiln::ViewOf(strong).Pixel(x, 59)[3]);
    }
}

TEST_F(ShadedTextTest, WideBlursShadeLikeNarrowOnesAndUnservedOnesAreRefused) {
    RECT rect{0, 0, 120, 60};
    layout.SetShadowAlpha(255);
    for (int radius : {4, 5}) {
        SCOPED_TRACE(radius);
        ASSERT_TRUE(layout.SetBlurRadius(radius));
        frame::Bitmap shadow = layout.MakeShadow(target->Canvas(), "HH", rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        int strongest = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 120; ++x) strongest = std::max<int>(strongest, kiln::ViewOf(shadow).Pixel(x, y)[3]);
        // A wrapped sum shows as a shadow that is missing or wildly strong in places.
        EXPECT_GT(strongest, 100);
        EXPECT_EQ(0, kiln::ViewOf(shadow).Pixel(radius - 1, 30)[3]);
    }
    EXPECT_FALSE(layout.SetBlurRadius(6));
    EXPECT_EQ(5, layout.BlurRadius());
    EXPECT_FALSE(layout.SetBlurSigma(0.5f)) << "radius 5 at sigma 0.5 cannot be held";
    EXPECT_FLOAT_EQ(1.0f, layout.BlurSigma());
    EXPECT_TRUE(layout.SetBlurSigma(2.0f));
    EXPECT_TRUE(layout.SetBlurRadius(6));
}

// Paints a label onto a white picture of its size.
std::unique_ptr<frame::Bitmap> Painted(frame::Label& label) {
    auto picture = SolidFace(label.Width(), label.Height(), kWhite);
    label.Paint(picture->Canvas());
    return picture;
}

template <class L>
void Prepare(L& label, bool enabled) {
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 100, 40);
    label.SetColor(frame::colors::White);
    label.Font().SetHeight(-24);
    label.Font().SetColor(kBlue);
    label.SetCaption("Ab");
    label.SetEnabled(enabled);
}

TEST(LuLabel, ShadedLabelDrawsAShadowADisabledOneDrawsAsAPlainLabel) {
    testsupport::ThrowingAsserts asserts;
    kiln::LuLabel shaded;
    Prepare(shaded, true);
    EXPECT_LT(BoundsWhere(*Painted(shaded), IsShadow).left, 100);

    kiln::LuLabel disabled;
    frame::Label plain;
    Prepare(disabled, false);
    Prepare(plain, false);
    auto fromLu = Painted(disabled);
    auto fromPlain = Painted(plain);
    EXPECT_TRUE(testsupport::PicturesMatch(*fromLu, *fromPlain));

    kiln::LuLabel off;
    frame::Label plainEnabled;
    Prepare(off, true);
    Prepare(plainEnabled, true);
    off.SetShaded(false);
    auto fromOff = Painted(off);
    auto fromPlainEnabled = Painted(plainEnabled);
    EXPECT_TRUE(testsupport::PicturesMatch(*fromOff, *fromPlainEnabled));
}

class ListBoxLayoutTest : public FormTest {};

TEST_F(ListBoxLayoutTest, SelectedItemIsDrawnOnTheSelectionColourInHighlightText) {
    const COLORREF selection = RGB(0, 128, 0);
    // The style must be set before the window exists, so before insertion.
    auto owned = std::make_unique<frame::ListBox>();
    frame::ListBox* list = owned.get();
    list->SetStyle(frame::ListBoxStyle::OwnerDrawFixed);
    list->SetBorder(false);
    list->SetItemHeight(24);
    list->SetBounds(10, 10, 150, 100);
    list->Font().SetHeight(-18);
    list->Font().SetBold(true);
    list->SetColor(frame::colors::White);
    form->InsertControl(std::move(owned));
    list->AddItem("HHHH");
    list->AddItem("HHHH");
    kiln::TListBoxLayout layout;
    layout.Attach(*list);
    layout.SetSelectionColor(selection);
    list->SetItemIndex(1);
    InvalidateRect(list->Handle(), nullptr, TRUE);
    UpdateWindow(list->Handle());

    frame::WindowDC listDC(list->Handle());
    const HDC dc = listDC.Get();
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    EXPECT_EQ(selection, GetPixel(dc, 1, 24 + 1));
    EXPECT_EQ(kWhite & 0xFFFFFF, GetPixel(dc, 1, 1));
    int textPixels = 0, unselectedText = 0;
    for (int y = 24; y < 48; ++y)
        for (int x = 0; x < 150; ++x) textPixels += GetPixel(dc, x, y) == highlightText;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 150; ++x) unselectedText += GetPixel(dc, x, y) == GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_GT(textPixels, 20);
    EXPECT_GT(unselectedText, 20);
}

}  // namespace
