#include "app/mainwindow/AdvRatioBar.h"

#include "app/mainwindow/WidgetHost.h"
#include "app/mainwindow/WidgetParts.h"
#include "resources/SkinNames.h"

#include <algorithm>
#include <cstdio>

AdvRatioBar::AdvRatioBar(std::vector<AdvRatioBar*>& row, uint32_t core, AdvItemSets sets)
    : m_row(row), m_core(core), m_sets(sets), m_name("RatioBar" + std::to_string(core)) {
    m_row.push_back(this);
}

AdvRatioBar::~AdvRatioBar() {
    m_row.erase(std::remove(m_row.begin(), m_row.end(), this), m_row.end());
    if (m_window && m_meter && m_window->HoverTarget() == m_meter) m_window->SetHoverTarget(HoverSlot{});
    if (m_knob && m_knob->Parent()) m_knob->Parent()->RemoveControl(m_knob);
}

void AdvRatioBar::Create(WidgetHost& parent, int left, int top) {
    m_window = &parent;
    HoldDisplay();
    m_meterPictures = std::make_unique<RatioMeter>();
    m_meter = MakeNamedChild<frame::Image>(parent, m_name + ".Meter");
    m_meter->SetLeft(left);
    m_meter->SetTop(top);
    m_meter->SetVisible(false);
    m_meter->SetOpaque(true);
    m_meter->SetAutoSize(true);
    m_meter->OnMouseMove = [this](frame::Control*, frame::ShiftState, int, int) { Hover(); };
    m_meter->OnMouseDown = [this](frame::Control*, frame::MouseButton, frame::ShiftState, int, int y) {
        StepTowardPixel(kTrackOrigin - y);
    };

    MakeDisplays(parent, left, top);
    AddControl(m_meter);
    const frame::Image& coreBk = *parent.CoreBk();
    m_meterPictures->PlaceOver(parent.CoreBk()->Picture(), left - coreBk.Left(), top - coreBk.Top());
    m_meterPictures->Empty(m_meter->Picture());

    MakeKnob(parent, left, top);
    SetPositionIfDifferent(0);

    m_numeral = MakeNamedChild<kiln::LuImage>(parent, m_name + ".Numeral");
    m_numeral->SetAlphaChannel(true);
    m_numeral->Picture().Assign(
        LoadSkinPicture(skin::coreNumeral[std::min<uint32_t>(m_core, 3)], skin::folder::coreNumerals));
    m_numeral->SetLeft(left + 25);
    m_numeral->SetTop(top - 21);
    AddControl(m_numeral);

    SetMax(static_cast<int>(m_sets.ratio.StepCount()) - 1);
    bool read = false;
    const uint32_t current = m_sets.ratio.ReadIndex(m_core, &read);
    SetPositionIfDifferent(static_cast<int>(current));
    m_currentJustRead = current;
    ShowHeldDisplay();
    m_currentJustRead.reset();
    SetValueKnown(read);
}

void AdvRatioBar::MakeDisplays(WidgetHost& parent, int left, int top) {
    if (m_sets.ratio.HasFractionalSteps()) {
        m_ratioDisplay = std::make_unique<MiddleFloatingLed>(parent.Surface(), m_name + ".Ratio");
        m_ratioDisplay->SetLeft(left + 3);
        m_ratioDisplay->SetTop(top + 174);
        m_ratioDisplay->SetFormat(2, 1);
    } else {
        m_ratioDisplay = std::make_unique<FloatingLed>(parent.Surface(), m_name + ".Ratio");
        m_ratioDisplay->SetLeft(left + 10);
        m_ratioDisplay->SetTop(top + 174);
        m_ratioDisplay->SetFormat(2, 0);
    }
    m_ratioDisplay->SetVisible(true);
    m_frequencyDisplay = std::make_unique<SmallFloatingLed>(parent.Surface(), m_name + ".Frequency");
    m_frequencyDisplay->SetLeft(left - 2);
    m_frequencyDisplay->SetTop(top + 227);
    m_frequencyDisplay->SetFormat(4, 0);
    m_frequencyDisplay->SetVisible(true);
}

void AdvRatioBar::MakeKnob(WidgetHost& parent, int left, int top) {
    m_knob = MakeNamedChild<kiln::LuImage>(parent, m_name + ".Knob");
    m_knob->SetAlphaChannel(true);
    m_knob->Picture().Assign(LoadSkinPicture(skin::ratioKnob));
    m_knob->SetLeft(left + 2);
    m_knob->SetTop(top + kTrackOrigin);
    m_knob->SetVisible(false);
    // Up the screen is up the ratio.
    MakeKnobDraggable(*m_knob, DragAxis::Up);
}

void AdvRatioBar::Hover() {
    if (m_knob->Visible()) return;
    m_knob->SetVisible(true);
    m_window->SetHoverTarget(HoverOverRectangle(m_meter, [this](frame::Control*) {
        m_knob->SetVisible(false);
        PaintMeter();
    }));
    PaintMeter();
}

void AdvRatioBar::PaintMeter() {
    if (m_enabledCopy)
        m_meterPictures->Fill(m_meter->Picture(), KnobOffset(), m_knob->Visible());
    else
        m_meterPictures->Empty(m_meter->Picture());
}

int AdvRatioBar::KnobOffset() const {
    return m_knob ? kTrackOrigin + m_meter->Top() - m_knob->Top() : 0;
}

void AdvRatioBar::SetKnobOffset(int offset) {
    if (m_knob) m_knob->SetTop(m_meter->Top() + kTrackOrigin - offset);
}

double AdvRatioBar::BaseClock() const {
    const kiln::BiosItem* clock = m_sets.primary.Item(0);
    double megahertz = 0;
    return clock && clock->ReadValue(megahertz) ? megahertz : 0;
}

void AdvRatioBar::ShowValues() {
    if (!m_meter) return;
    PaintMeter();
    const uint32_t current = m_currentJustRead ? *m_currentJustRead : m_sets.ratio.ReadIndex(m_core);
    m_currentJustRead.reset();
    m_ratioDisplay->SetHighlighted(static_cast<int>(current) != Position());
    const double ratio = m_sets.ratio.IndexToValue(static_cast<uint32_t>(Position()));
    m_ratioDisplay->SetValue(ratio);
    m_frequencyDisplay->SetValue(ratio * BaseClock());
}

void AdvRatioBar::UpdateDisplay() {
    ShowValues();
    if (!m_meter || m_sets.ratio.PerCore()) return;
    for (AdvRatioBar* bar : m_row) bar->SetPositionIfDifferent(Position());
}

void AdvRatioBar::RefreshFromItem() {
    if (!Usable()) return;
    bool read = false;
    const int current = static_cast<int>(m_sets.ratio.ReadIndex(m_core, &read));
    const bool takesCurrent = m_sets.ratio.PerCore() || (!m_row.empty() && m_row.front() == this);
    m_currentJustRead = static_cast<uint32_t>(current);
    if (takesCurrent && current != Position())
        SetPosition(current);
    else
        ShowValues();
    m_currentJustRead.reset();
    if (takesCurrent) SetValueKnown(read);
}

void AdvRatioBar::LoadDefault() {
    if (Usable()) SetPositionIfDifferent(static_cast<int>(m_sets.ratio.DefaultIndex()));
}

uint32_t AdvRatioBar::ItemNumber() const {
    return Usable() ? m_sets.ratio.ItemNumber() : 0;
}

void AdvRatioBar::SetVisible(bool visible) {
    AdvBar::SetVisible(visible);
    if (!visible) m_knob->SetVisible(false);
    if (m_enabledCopy) {
        m_ratioDisplay->SetVisible(visible);
        m_frequencyDisplay->SetVisible(visible);
    }
}

void AdvRatioBar::SetEnabled(bool enabled) {
    const bool wasEnabled = m_enabledCopy;
    m_enabledCopy = enabled;
    AdvBar::SetEnabled(enabled);
    if (enabled) {
        m_ratioDisplay->SetVisible(Visible());
        m_frequencyDisplay->SetVisible(Visible());
        // An enabled bar's display is current already.
        if (!wasEnabled) UpdateDisplay();
    } else {
        m_ratioDisplay->SetVisible(false);
        m_frequencyDisplay->SetVisible(false);
        m_knob->SetVisible(false);
        PaintMeter();
    }
}

std::string AdvRatioBar::AccessibleName() const {
    return "Core " + std::to_string(m_core + 1) + " ratio";
}

// The frequency is cut to whole MHz, as its digits show it.
std::string AdvRatioBar::AccessibleValue() const {
    if (!Usable()) return {};
    const uint32_t index = static_cast<uint32_t>(Position());
    const auto megahertz = static_cast<long long>(m_sets.ratio.IndexToValue(index) * BaseClock());
    return RatioText(index) + " (" + std::to_string(megahertz) + " MHz)";
}

std::string AdvRatioBar::AccessibleDescription() const {
    if (!Usable()) return {};
    return "in hardware: " + RatioText(m_sets.ratio.ReadIndex(m_core));
}

std::string AdvRatioBar::RatioText(uint32_t index) const {
    const double ratio = m_sets.ratio.IndexToValue(index);
    char text[32];
    if (m_sets.ratio.HasFractionalSteps())
        std::snprintf(text, sizeof text, "%.1f", ratio);
    else
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(ratio));
    return text;
}
