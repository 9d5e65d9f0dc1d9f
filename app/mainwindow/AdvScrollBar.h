#pragma once
// A horizontal slider bound to one item of the primary item set: a bar
// image with a fill up to the knob, a step button at each end, a caption,
// the value now in the hardware, the value chosen and a unit. Moving it
// never writes to the hardware; it changes the chosen step index, colours
// the chosen value and raises the change event.
//
// Controls, named "<name>.<part>" (name: "Bar" and the item number in eight
// hex digits unless SetName gives another): Image, Decrease, Increase, Knob,
// Caption, Chosen, Current, Unit.

#include "app/mainwindow/AdvBar.h"
#include "app/mainwindow/AdvItemSets.h"
#include "app/mainwindow/WidgetParts.h"
#include "frame/Bitmap.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuImage.h"
#include "kiln/Component/LuLabel.h"

#include <string>

// A label's box relative to the bar image's top-left corner.
struct LabelBox {
    int dx = 0;
    int dy = 0;
    int width = 0;
    int height = 0;
};

// What the forms of the slider differ in; positions are relative to the bar
// image's top-left corner.
struct ScrollBarLook {
    const char* knobNormal;
    const char* knobHover;
    POINT knob;
    skin::StateImages decrease;
    POINT decreaseAt;
    skin::StateImages increase;
    // x from the bar image's right edge when increaseFromRight is set.
    POINT increaseAt;
    bool increaseFromRight;
    const char* captionPlaceholder;
    LabelStyle captionStyle;
    LabelBox caption;
    LabelBox current;
    LabelBox chosen;
    LabelBox unit;
};

class AdvScrollBar : public AdvBar {
public:
    static constexpr frame::Color kValueColor = RGB(40, 254, 216);
    static constexpr frame::Color kChangedColor = RGB(255, 216, 25);
    static constexpr frame::Color kOverLimitColor = RGB(255, 0, 0);

    // The text after the values for an item number's kind code.
    static const char* UnitText(uint32_t itemNumber);

    // itemIndex: the entry of the primary item set; a negative index or an
    // empty entry leaves the slider unbound.
    explicit AdvScrollBar(int itemIndex, AdvItemSets sets = AdvItemSets::Program());
    ~AdvScrollBar() override;

    // The bound item, or nullptr.
    kiln::BiosItem* Item() const;

    void Create(WidgetHost& parent, int left, int top) override;
    // Takes the hardware's step index (0 when it cannot be read), which then
    // also shows as the current value.
    void RefreshFromItem() override;
    void LoadDefault() override;
    uint32_t ItemNumber() const override;
    int KnobOffset() const override;
    void SetKnobOffset(int offset) override;
    void UpdateDisplay() override;
    int Height() const override;
    // The item's name; the chosen value and the hardware's, with the unit.
    std::string AccessibleName() const override;
    std::string AccessibleValue() const override;
    std::string AccessibleDescription() const override;

    kiln::LuImage& BarImage() const { return *m_bar; }
    kiln::AlphaButton& DecreaseButton() const { return *m_decrease; }
    kiln::AlphaButton& IncreaseButton() const { return *m_increase; }
    kiln::LuImage& Knob() const { return *m_knob; }
    kiln::LuLabel& CaptionLabel() const { return *m_caption; }
    frame::Label& ChosenLabel() const { return *m_chosen; }
    frame::Label& CurrentLabel() const { return *m_current; }
    frame::Label& UnitLabel() const { return *m_unit; }

protected:
    virtual const ScrollBarLook& Look() const = 0;
    // The bar image's first picture, and whatever the fill is painted from.
    virtual void LoadBarPictures(frame::Bitmap& bar) = 0;
    // Paints the bar image's picture with the fill up to the knob.
    virtual void PaintFill() = 0;
    // Runs once the slider has its item's name, steps and value.
    virtual void Bound() {}

    // Pixels from the bar image's left edge to the knob's.
    int KnobLeftInBar() const { return m_knob->Left() - m_bar->Left(); }

private:
    void MakeControls(WidgetHost& parent, int left, int top);
    void MakeBar(WidgetHost& parent, int left, int top);
    void MakeStepButtons(WidgetHost& parent, int left, int top);
    void MakeKnob(WidgetHost& parent, int left, int top);
    void MakeLabels(WidgetHost& parent);
    void PlaceLabel(frame::Label& label, const LabelStyle& style, const LabelBox& box, const std::string& text);
    void Bind();
    void ShowKnobHover(bool hover);
    frame::Color ChosenColor() const;
    // A value as the labels show it, followed by the unit without brackets.
    std::string WithUnit(const std::string& value) const;

    int m_itemIndex;
    AdvItemSets m_sets;
    std::string m_name;
    WidgetHost* m_window = nullptr;
    kiln::LuImage* m_bar = nullptr;
    kiln::AlphaButton* m_decrease = nullptr;
    kiln::AlphaButton* m_increase = nullptr;
    kiln::LuImage* m_knob = nullptr;
    frame::Bitmap m_knobNormal;
    frame::Bitmap m_knobHover;
    bool m_knobShowsHover = false;
    kiln::LuLabel* m_caption = nullptr;
    frame::Label* m_chosen = nullptr;
    frame::Label* m_current = nullptr;
    frame::Label* m_unit = nullptr;
};
