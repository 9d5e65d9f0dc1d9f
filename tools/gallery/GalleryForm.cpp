#include "GalleryForm.h"

#include "kiln/Graphics/PngReader.h"
#include "frame/ListBox.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuButton.h"
#include "kiln/Component/LuButtonTx.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "kiln/Component/LuImage.h"
#include "kiln/Component/LuLabel.h"
#include "kiln/Component/LuRadioButton.h"
#include "kiln/Component/LuRadioButtonTx.h"
#include "resources/SkinNames.h"

#include <string>

using kiln::LoadPng;
using kiln::GetResourceFolder;

namespace {

constexpr int kWidth = 520, kHeight = 360;
const frame::Color kPageColor = RGB(34, 38, 46);
const frame::Color kCaptionColor = RGB(230, 230, 230);

// Loads the (up to) four state pictures of a skin entry into a face group.
void Dress(kiln::LuFourStateAppearance& group, const skin::StateImages& images) {
    const char* names[4] = {images.normal, images.pressed, images.hover, images.disabled};
    for (int i = 0; i < 4; ++i) {
        if (!*names[i]) continue;
        frame::Bitmap picture;
        LoadPng(GetResourceFolder() + names[i], picture);
        group.SetFace(i, picture);
    }
}

void DressNormal(kiln::LuFourStateAppearance& group, const char* name) {
    Dress(group, skin::StateImages{name, "", "", ""});
}

template <class T>
void SetCaptionText(T& control, const std::string& text) {
    control.Font().SetColor(kCaptionColor);
    control.SetText(text);
}

}  // namespace

GalleryForm::GalleryForm() {
    SetCaption("Veltrune control gallery");
    SetBorderStyle(frame::BorderStyle::Single);
    SetPosition(frame::FormPosition::ScreenCenter);
    SetClientSize(kWidth, kHeight);
    SetColor(kPageColor);
    BuildBackground();
    BuildButtons();
    BuildChecks();
    BuildPictures();
    m_status = MakeChild<frame::Label>();
    m_status->SetTransparent(true);
    m_status->Font().SetColor(kCaptionColor);
    m_status->SetBounds(16, kHeight - 24, kWidth - 32, 18);
    m_status->SetCaption("Hover, press, tab and Space: every control reacts.");
}

void GalleryForm::Report(const std::string& what) { m_status->SetCaption(what); }

void GalleryForm::BuildBackground() {
    // A vertical gradient, so the alpha button visibly blends with its place.
    m_background = MakeChild<frame::Image>();
    frame::Bitmap& picture = m_background->Picture();
    picture.SetPixelFormat(frame::PixelFormat::Bits32);
    picture.SetSize(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        std::uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < kWidth; ++x) {
            row[x * 4 + 0] = static_cast<std::uint8_t>(46 + y * 60 / kHeight);
            row[x * 4 + 1] = static_cast<std::uint8_t>(38 + y * 30 / kHeight);
            row[x * 4 + 2] = 34;
            row[x * 4 + 3] = 255;
        }
    }
    picture.Changed();
    m_background->SetBounds(0, 0, kWidth, kHeight);
}

void GalleryForm::BuildButtons() {
    auto* apply = MakeChild<kiln::LuButtonTx>();
    Dress(apply->Appearance(), skin::commandButton);
    apply->SetBounds(16, 16, 120, 26);
    SetCaptionText(*apply, "Apply");
    apply->FontColors().SetFocused(RGB(255, 220, 120));
    apply->OnClick = [this](frame::Control*) { Report("Apply clicked"); };

    auto* disabled = MakeChild<kiln::LuButtonTx>();
    Dress(disabled->Appearance(), skin::commandButton);
    disabled->SetBounds(146, 16, 120, 26);
    SetCaptionText(*disabled, "Disabled");
    disabled->FontColors().SetDisabled(RGB(120, 120, 120));
    disabled->SetEnabled(false);

    auto* close = MakeChild<kiln::LuButton>();
    Dress(close->Appearance(), skin::closeButton);
    close->SetBounds(kWidth - 42, 16, 26, 22);
    close->OnClick = [this](frame::Control*) { Close(); };

    auto* ok = MakeChild<kiln::AlphaButton>(m_background->Picture());
    ok->LoadFaces(skin::dialogButton.normal, skin::dialogButton.pressed, skin::dialogButton.hover,
                  skin::dialogButton.disabled);
    ok->SetBounds(276, 17, 75, 24);
    SetCaptionText(*ok, "OK");
    ok->OnClick = [this](frame::Control*) { Report("Alpha button clicked"); };
}

void GalleryForm::BuildChecks() {
    auto* more = MakeChild<kiln::LuCheckBoxTx>();
    Dress(more->Appearance().Uncheck, skin::moreSettingUnchecked);
    Dress(more->Appearance().Check, skin::moreSettingChecked);
    more->SetBounds(16, 60, 110, 20);
    SetCaptionText(*more, "More settings");
    more->OnClick = [this, more](frame::Control*) { Report(more->GetChecked() ? "Checked" : "Unchecked"); };

    const char* tabs[2][2] = {{skin::advanceTabUnchecked, skin::advanceTabChecked},
                              {skin::ratioTabUnchecked, skin::ratioTabChecked}};
    const char* captions[2] = {"Advance", "CPU Ratio"};
    for (int i = 0; i < 2; ++i) {
        auto* tab = MakeChild<kiln::LuRadioButtonTx>();
        DressNormal(tab->Appearance().Uncheck, tabs[i][0]);
        DressNormal(tab->Appearance().Check, tabs[i][1]);
        tab->SetBounds(16 + i * 150, 96, 145, 26);
        SetCaptionText(*tab, captions[i]);
        tab->SetChecked(i == 0);
    }
    // Plain radio buttons form a group of their own beside the tabs.
    for (int i = 0; i < 2; ++i) {
        auto* radio = MakeChild<kiln::LuRadioButton>();
        DressNormal(radio->Appearance().Uncheck, tabs[i][0]);
        DressNormal(radio->Appearance().Check, tabs[i][1]);
        radio->SetBounds(16 + i * 150, 132, 145, 26);
        radio->SetChecked(i == 1);
    }
}

void GalleryForm::BuildPictures() {
    const char* icons[3] = {skin::cpuChipIcon, skin::dramIcon, skin::expertIcon};
    for (int i = 0; i < 3; ++i) {
        auto* icon = MakeChild<kiln::LuImage>();
        LoadPng(GetResourceFolder() + icons[i], icon->Picture());
        icon->SetAlphaChannel(true);
        icon->SetAlphaBlend(i == 2);
        icon->SetAlphaValue(110);
        icon->SetLeft(16 + i * 34);
        icon->SetTop(176);
    }

    auto* label = MakeChild<kiln::LuLabel>();
    label->SetTransparent(true);
    label->SetAutoSize(false);
    label->Font().SetHeight(-20);
    label->Font().SetBold(true);
    label->Font().SetColor(kCaptionColor);
    label->SetBounds(130, 170, 240, 34);
    label->SetCaption("Shaded label");

    auto owned = std::make_unique<frame::ListBox>();
    frame::ListBox* list = owned.get();
    list->SetStyle(frame::ListBoxStyle::OwnerDrawFixed);
    list->SetItemHeight(20);
    list->SetColor(RGB(24, 26, 32));
    list->Font().SetColor(kCaptionColor);
    list->SetBounds(16, 216, 240, 104);
    InsertControl(std::move(owned));
    for (const char* name : {"Daily", "Gaming", "Quiet", "Benchmark"}) list->AddItem(name);
    m_listLayout.Attach(*list);
    m_listLayout.SetMargins(6, 0, 6, 0);
    m_listLayout.SetSelectionColor(RGB(70, 110, 170));
    list->SetItemIndex(0);
}
