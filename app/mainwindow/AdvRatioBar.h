#pragma once
// One core's bar of the CPU Ratio page: a level meter that fills from the
// bottom, a knob that shows while the pointer is over the bar, the core's
// Roman numeral, the chosen ratio in digit pictures (highlighted while it
// differs from the core's current ratio) and the resulting core frequency
// (ratio x the base clock's current value, whole MHz, four digits).
//
// Where the board sets all cores together, moving one bar moves every bar
// of its row.
//
// Controls, named "RatioBar<core>.<part>": Meter, Knob, Numeral, and the
// displays' "Ratio.Digit<i>", "Frequency.Digit<i>", "Frequency.Unit".

#include "app/mainwindow/AdvBar.h"
#include "app/mainwindow/AdvItemSets.h"
#include "app/mainwindow/FloatingLed.h"
#include "app/mainwindow/RatioMeter.h"
#include "app/mainwindow/SmallFloatingLed.h"
#include "frame/Image.h"
#include "kiln/Component/LuImage.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class AdvRatioBar : public AdvBar {
public:
    // `row` is the list of every ratio bar of the page in core order; the
    // bar appends itself and leaves it when destroyed.
    AdvRatioBar(std::vector<AdvRatioBar*>& row, uint32_t core, AdvItemSets sets = AdvItemSets::Program());
    ~AdvRatioBar() override;

    // Blends the meter over the window's CoreBk picture, which must already
    // stand at its place.
    void Create(WidgetHost& parent, int left, int top) override;
    // A disabled bar keeps its digits hidden.
    void SetVisible(bool visible) override;
    // A disabled bar shows the empty meter and no digits.
    void SetEnabled(bool enabled) override;
    void RefreshFromItem() override;
    void LoadDefault() override;
    // The ratio item's number; 0 while disabled or without cores.
    uint32_t ItemNumber() const override;
    int TrackLength() const override { return kTrackLength; }
    int TrackOrigin() const override { return kTrackOrigin; }
    void UpdateDisplay() override;
    int KnobOffset() const override;
    void SetKnobOffset(int offset) override;
    // "Core <n> ratio" (counted from 1), the chosen ratio with the core
    // frequency it gives, and the core's ratio in the hardware; a disabled
    // bar shows no value and has none.
    std::string AccessibleName() const override;
    std::string AccessibleValue() const override;
    std::string AccessibleDescription() const override;

    uint32_t Core() const { return m_core; }
    frame::Image& Meter() const { return *m_meter; }
    kiln::LuImage& Knob() const { return *m_knob; }
    FloatingLed& RatioDisplay() const { return *m_ratioDisplay; }
    SmallFloatingLed& FrequencyDisplay() const { return *m_frequencyDisplay; }

private:
    static constexpr int kTrackLength = 131;
    static constexpr int kTrackOrigin = 122;

    bool Usable() const { return m_enabledCopy && m_sets.ratio.Count() > 0; }
    void MakeDisplays(WidgetHost& parent, int left, int top);
    void MakeKnob(WidgetHost& parent, int left, int top);
    void Hover();
    void PaintMeter();
    // Meter, highlight, ratio and frequency, without moving other bars.
    // The highlight compares with the core's index as read just before by
    // whoever moved the position (creation, refresh), or reads it now.
    void ShowValues();
    double BaseClock() const;
    // As the ratio display shows it.
    std::string RatioText(uint32_t index) const;

    std::vector<AdvRatioBar*>& m_row;
    uint32_t m_core;
    AdvItemSets m_sets;
    std::string m_name;
    WidgetHost* m_window = nullptr;
    frame::Image* m_meter = nullptr;
    kiln::LuImage* m_knob = nullptr;
    kiln::LuImage* m_numeral = nullptr;
    std::unique_ptr<RatioMeter> m_meterPictures;
    std::unique_ptr<FloatingLed> m_ratioDisplay;
    std::unique_ptr<SmallFloatingLed> m_frequencyDisplay;
    bool m_enabledCopy = true;
    // The core's index as creation or a refresh has just read it, for the
    // display update that follows at once: one read of the core each.
    std::optional<uint32_t> m_currentJustRead;
};
