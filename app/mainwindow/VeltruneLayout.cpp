#include "app/mainwindow/VeltruneLayout.h"

#include "app/mainwindow/BarStop.h"
#include "app/mainwindow/ButtonStop.h"
#include "app/mainwindow/OpaqueFaces.h"
#include "app/mainwindow/SelectorStop.h"
#include "app/mainwindow/WidgetHost.h"
#include "app/mainwindow/WidgetParts.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "kiln/Component/LuImage.h"
#include "kiln/Component/LuRadioButtonTx.h"
#include "kiln/Graphics/PngReader.h"
#include "resources/SkinNames.h"

#include <oleacc.h>

namespace {

constexpr frame::Color kCommandText = RGB(204, 204, 204);
constexpr frame::Color kCommandTextLit = RGB(155, 230, 253);
constexpr frame::Color kMoreSettingText = RGB(252, 252, 252);
constexpr frame::Color kMoreSettingTextLit = RGB(60, 231, 249);
constexpr frame::Color kTabText = RGB(104, 221, 255);
constexpr frame::Color kNoticeText = RGB(255, 216, 25);

constexpr int kLargeBarLeft = 296;
constexpr int kLargeBarTop = 94;
constexpr int kLargeBarPitch = 28;
constexpr int kRatioBarLeft = 262;
constexpr int kRatioBarPitch = 90;
constexpr int kRatioBarTop = 334;

// Entries 0-3 of the primary item set are the compact area's sliders.
constexpr int kLargeBarEntries = 4;
constexpr uint32_t kSkipBit = 0x40000000u;

void CaptionInLitColours(kiln::AlphaButton& button) {
    button.Font().SetName("Arial");
    button.Font().SetColor(kCommandText);
    button.FontColors().SetSunken(kCommandTextLit);
    button.FontColors().SetFocused(kCommandTextLit);
}

}  // namespace

VeltruneLayout& VeltruneLayout::Instance() {
    static VeltruneLayout* instance = new VeltruneLayout(AdvItemSets::Program());  // lives until the process ends
    return *instance;
}

VeltruneLayout::VeltruneLayout(AdvItemSets sets)
    : m_sets(sets), m_compactAdvancedPage(IsCompactAdvancedPage(sets.primary)) {}

VeltruneLayout::~VeltruneLayout() = default;

void VeltruneLayout::BuildControls(WidgetHost& window) {
    if (m_window) return;
    m_window = &window;
    m_keyboard = std::make_unique<KeyboardAccess>(window);
    BuildCommandButtons();
    BuildMoreSetting();
    BuildValueRows();
    m_selector = std::make_unique<AdvComboBox>();
    m_selector->Create(window, 93, 56);

    auto* line = MakeNamedChild<kiln::LuImage>(window, "SeparatorLine");
    line->SetAlphaChannel(true);
    line->SetAutoSize(true);
    kiln::LoadPng(kiln::GetResourceFolder() + skin::separatorLine, line->Picture());
    line->SetBounds(41, 435, line->Width(), line->Height());
    line->SetVisible(false);
    m_lines.push_back(line);

    BuildTabs();
    window.CoreBk()->SetAutoSize(true);
    window.CoreBk()->SetBounds(29, 279, window.CoreBk()->Width(), window.CoreBk()->Height());
    BuildRatioPage();
    BuildFocusStops();
}

void VeltruneLayout::BuildCommandButtons() {
    m_close = MakeWindowButton(*m_window, "CloseButton", skin::closeButton, 595, 10);
    m_close->SetHint("Close");
    m_close->SetShowHint(true);
    m_minimize = MakeWindowButton(*m_window, "MinimizeButton", skin::minimizeButton, 569, 10);
    m_minimize->SetHint("Minimize");
    m_minimize->SetShowHint(true);
    m_saveProfile = MakeWindowButton(*m_window, "SaveProfileButton", skin::commandButton, 305, 55);
    m_saveProfile->SetText("Save Profile");
    m_apply = MakeWindowButton(*m_window, "ApplyButton", skin::commandButton, 374, kCompactRowTop);
    m_apply->SetText("Apply");
    m_undo = MakeWindowButton(*m_window, "UndoButton", skin::commandButton, 508, kCompactRowTop);
    m_undo->SetText("Undo");
    for (kiln::AlphaButton* button : {m_saveProfile, m_apply, m_undo}) CaptionInLitColours(*button);
}

// Set up whole before its window is made, which then comes at its place,
// size, outline and text in one call rather than changed step by step.
void VeltruneLayout::BuildMoreSetting() {
    auto box = std::make_unique<kiln::LuCheckBoxTx>();
    box->SetName("MoreSetting");
    box->SetCursor(frame::Cursor::HandPoint);
    box->SetBounds(27, kCompactRowTop, 0, 0);
    frame::Bitmap& background = m_window->Background()->Picture();
    LoadOpaqueFaces(box->Appearance().Uncheck, skin::moreSettingUnchecked, background, 27, kCompactRowTop);
    LoadOpaqueFaces(box->Appearance().Check, skin::moreSettingChecked, background, 27, kCompactRowTop);
    box->Font().SetName("Arial");
    box->Font().SetColor(kMoreSettingText);
    box->FontColors().Uncheck.SetSunken(kMoreSettingTextLit);
    box->FontColors().Uncheck.SetFocused(kMoreSettingTextLit);
    box->FontColors().Check.SetSunken(kMoreSettingTextLit);
    box->FontColors().Check.SetFocused(kMoreSettingTextLit);
    box->SetTextBounds(4, 0, 86, 20);
    box->SetText("More Setting");
    m_moreSetting = m_window->Surface().Adopt(std::move(box));
}

void VeltruneLayout::BuildValueRows() {
    for (int entry = 0; entry < kLargeBarEntries; ++entry) {
        const kiln::BiosItem* item = m_sets.primary.Item(static_cast<size_t>(entry));
        if (!item || (item->Attributes() & kSkipBit)) continue;
        auto bar = std::make_unique<AdvLargeBar>(entry, m_sets);
        const int top = kLargeBarTop + kLargeBarPitch * static_cast<int>(m_largeBars.size());
        bar->Create(*m_window, kLargeBarLeft, top);
        AddBar(*bar);
        m_largeBars.push_back(std::move(bar));
    }
    const OptionLayout layout = ChooseOptionLayout(m_sets.primary, m_compactAdvancedPage);
    m_groups = BuildOptionGroups(*m_window, m_sets, layout);
    for (AdvGroup* group : {m_groups.cpuChip.get(), m_groups.second.get()}) {
        if (!group) continue;
        for (AdvSmallBar* row : group->Rows()) AddBar(*row);
    }
}

void VeltruneLayout::BuildTabs() {
    frame::Bitmap& background = m_window->Background()->Picture();
    // Made hidden, like the pages they switch, and set up before their windows exist.
    auto makeTab = [&](const char* name, int left, const char* unchecked, const char* checked, const char* text) {
        auto tab = std::make_unique<kiln::LuRadioButtonTx>();
        tab->SetName(name);
        tab->SetCursor(frame::Cursor::HandPoint);
        tab->SetBounds(left, 245, 0, 0);
        LoadOpaqueFaces(tab->Appearance().Uncheck, skin::StateImages{unchecked, "", "", ""}, background, left, 245);
        LoadOpaqueFaces(tab->Appearance().Check, skin::StateImages{checked, "", "", ""}, background, left, 245);
        tab->Font().SetName("Arial");
        tab->Font().SetHeight(-13);
        tab->Font().SetBold(true);
        tab->Font().SetColor(kTabText);
        tab->SetText(text);
        tab->SetAccessibleRole(ROLE_SYSTEM_PAGETAB);
        tab->SetVisible(false);
        return m_window->Surface().Adopt(std::move(tab));
    };
    m_advanceTab = makeTab("AdvanceTab", 27, skin::advanceTabUnchecked, skin::advanceTabChecked, "Advance Mode");
    m_advanceTab->SetChecked(true);
    if (m_sets.ratio.Count() > 0)
        m_ratioTab = makeTab("RatioTab", 176, skin::ratioTabUnchecked, skin::ratioTabChecked, "CPU Ratio");
}

void VeltruneLayout::BuildRatioPage() {
    const uint32_t cores = m_sets.ratio.Count();
    for (uint32_t core = 0; core < cores; ++core) {
        auto bar = std::make_unique<AdvRatioBar>(m_ratioBars, core, m_sets);
        bar->CreateHidden(*m_window, kRatioBarLeft + kRatioBarPitch * static_cast<int>(core), kRatioBarTop);
        bar->SetEnabled(!m_sets.ratio.IsSkipped());
        m_allBars.push_back(bar.get());
        m_ownedRatioBars.push_back(std::move(bar));
    }
    if (cores > 0) m_barsByItem[m_sets.ratio.ItemNumber()] = m_ratioBars.front();

    m_notice = MakeNamedChild<frame::Label>(*m_window, "DisabledNotice");
    m_notice->SetAutoSize(false);
    m_notice->SetTransparent(true);
    m_notice->SetWordWrap(true);
    m_notice->Font().SetName("Arial");
    m_notice->Font().SetHeight(-12);
    m_notice->Font().SetColor(kNoticeText);
    m_notice->SetBounds(48, 550, 552, 40);
    m_notice->SetCaption(cores > 0 && m_sets.ratio.IsSkipped() ? kDisabledNotice : "");
    m_notice->SetVisible(false);
}

// Readers number the stops in this order, roughly the compact window's
// reading order followed by the pages'.
void VeltruneLayout::BuildFocusStops() {
    using Kind = ButtonStop::Kind;
    KeyboardAccess& keys = *m_keyboard;
    keys.Add(std::make_unique<ButtonStop>(*m_minimize, Kind::PushButton, m_minimize->Hint()));
    keys.Add(std::make_unique<ButtonStop>(*m_close, Kind::PushButton, m_close->Hint()));
    keys.Add(std::make_unique<SelectorStop>(*m_selector));
    keys.Add(std::make_unique<ButtonStop>(*m_saveProfile, Kind::PushButton));
    for (const auto& bar : m_largeBars) keys.Add(std::make_unique<BarStop>(*bar));
    keys.Add(std::make_unique<ButtonStop>(*m_moreSetting, Kind::CheckBox));
    keys.Add(std::make_unique<ButtonStop>(*m_apply, Kind::PushButton));
    keys.Add(std::make_unique<ButtonStop>(*m_undo, Kind::PushButton));
    m_advanceTabStop = &keys.Add(std::make_unique<ButtonStop>(*m_advanceTab, Kind::PageTab));
    if (m_ratioTab) m_ratioTabStop = &keys.Add(std::make_unique<ButtonStop>(*m_ratioTab, Kind::PageTab));
    for (AdvGroup* group : {m_groups.cpuChip.get(), m_groups.second.get()})
        if (group)
            for (AdvSmallBar* row : group->Rows()) keys.Add(std::make_unique<BarStop>(*row));
    for (AdvRatioBar* bar : m_ratioBars) keys.Add(std::make_unique<BarStop>(*bar));
    keys.OnEscape = [this] { m_close->Click(); };
    keys.OnSwitchPage = [this] { return SwitchPage(); };
}

// The other page's tab is clicked, as the mouse would; the compact window
// and a board without a ratio page have no other page.
FocusStop* VeltruneLayout::SwitchPage() {
    if (!m_expanded || !m_ratioTab) return nullptr;
    const bool toRatio = m_advanceTab->GetChecked();
    (toRatio ? static_cast<kiln::LuControl*>(m_ratioTab) : m_advanceTab)->Click();
    return toRatio ? m_ratioTabStop : m_advanceTabStop;
}

void VeltruneLayout::AddBar(AdvBar& bar) {
    m_allBars.push_back(&bar);
    m_barsByItem[bar.ItemNumber()] = &bar;
}
