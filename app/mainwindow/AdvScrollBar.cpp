#include "app/mainwindow/AdvScrollBar.h"

#include "app/mainwindow/WidgetHost.h"
#include "kiln/arvex/BiosInterface.h"

#include <algorithm>
#include <cstdio>

const char* AdvScrollBar::UnitText(uint32_t itemNumber) {
    switch (kiln::ItemKind(itemNumber)) {
    case 1: return "(MHz)";
    case 2: return "(V)";
    case 12: return "X";
    default: return "";
    }
}

AdvScrollBar::AdvScrollBar(int itemIndex, AdvItemSets sets) : m_itemIndex(itemIndex), m_sets(sets) {}

AdvScrollBar::~AdvScrollBar() {
    if (m_window && m_knob && m_window->HoverTarget() == m_knob) m_window->SetHoverTarget(HoverSlot{});
}

kiln::BiosItem* AdvScrollBar::Item() const {
    return m_itemIndex < 0 ? nullptr : m_sets.primary.Item(static_cast<size_t>(m_itemIndex));
}

uint32_t AdvScrollBar::ItemNumber() const {
    const kiln::BiosItem* item = Item();
    return item ? item->Number() : 0;
}

void AdvScrollBar::Create(WidgetHost& parent, int left, int top) {
    m_window = &parent;
    if (m_name.empty()) {
        char name[16];
        std::snprintf(name, sizeof name, "Bar%08X", static_cast<unsigned>(ItemNumber()));
        m_name = name;
    }
    MakeControls(parent, left, top);
    Bind();
}

void AdvScrollBar::MakeControls(WidgetHost& parent, int left, int top) {
    MakeBar(parent, left, top);
    MakeStepButtons(parent, left, top);
    MakeKnob(parent, left, top);
    MakeLabels(parent);
}

void AdvScrollBar::MakeBar(WidgetHost& parent, int left, int top) {
    m_bar = MakeNamedChild<kiln::LuImage>(parent, m_name + ".Image");
    m_bar->SetAlphaChannel(true);
    m_bar->SetLeft(left);
    m_bar->SetTop(top);
    LoadBarPictures(m_bar->Picture());
    m_bar->OnMouseDown = [this](frame::Control*, frame::MouseButton, frame::ShiftState, int x, int) {
        StepTowardPixel(x - TrackOrigin());
    };
    AddControl(m_bar);
}

void AdvScrollBar::MakeStepButtons(WidgetHost& parent, int left, int top) {
    const ScrollBarLook& look = Look();
    m_decrease = MakeWindowButton(parent, m_name + ".Decrease", look.decrease, left + look.decreaseAt.x,
                                  top + look.decreaseAt.y, !CreatingHidden());
    m_decrease->OnClick = [this](frame::Control*) { StepDown(); };
    AddControl(m_decrease);
    const int increaseX = (look.increaseFromRight ? m_bar->Width() : 0) + look.increaseAt.x;
    m_increase = MakeWindowButton(parent, m_name + ".Increase", look.increase, left + increaseX,
                                  top + look.increaseAt.y, !CreatingHidden());
    m_increase->OnClick = [this](frame::Control*) { StepUp(); };
    AddControl(m_increase);
}

void AdvScrollBar::MakeKnob(WidgetHost& parent, int left, int top) {
    const ScrollBarLook& look = Look();
    m_knobNormal = LoadSkinPicture(look.knobNormal);
    m_knobHover = LoadSkinPicture(look.knobHover);
    m_knob = MakeNamedChild<kiln::LuImage>(parent, m_name + ".Knob");
    m_knob->SetAlphaChannel(true);
    m_knob->SetPicture(m_knobNormal);
    m_knob->SetLeft(left + look.knob.x);
    m_knob->SetTop(top + look.knob.y);
    MakeKnobDraggable(*m_knob, DragAxis::Right, [this](frame::Control*, frame::ShiftState, int, int) {
        ShowKnobHover(true);
        m_window->SetHoverTarget(HoverOverRectangle(m_knob, [this](frame::Control*) { ShowKnobHover(false); }));
    });
    AddControl(m_knob);
}

void AdvScrollBar::MakeLabels(WidgetHost& parent) {
    const ScrollBarLook& look = Look();
    m_caption = MakeNamedChild<kiln::LuLabel>(parent, m_name + ".Caption");
    // Item names come from the firmware and may be longer than any box.
    m_caption->SetFitted(true);
    PlaceLabel(*m_caption, look.captionStyle, look.caption, look.captionPlaceholder);
    m_chosen = MakeNamedChild<frame::Label>(parent, m_name + ".Chosen");
    PlaceLabel(*m_chosen, LabelStyle{-12, false, kValueColor, frame::Alignment::Right}, look.chosen, "200");
    m_current = MakeNamedChild<frame::Label>(parent, m_name + ".Current");
    PlaceLabel(*m_current, LabelStyle{-12, false, frame::colors::White, frame::Alignment::Right}, look.current, "200");
    m_unit = MakeNamedChild<frame::Label>(parent, m_name + ".Unit");
    PlaceLabel(*m_unit, LabelStyle{-12, false, kValueColor, frame::Alignment::Left}, look.unit, "");
}

// The box is set before the text, so that a self-sizing label keeps the
// box's edge on its alignment side.
void AdvScrollBar::PlaceLabel(frame::Label& label, const LabelStyle& style, const LabelBox& box,
                              const std::string& text) {
    StyleLabel(label, style);
    label.SetBounds(m_bar->Left() + box.dx, m_bar->Top() + box.dy, box.width, box.height);
    label.SetCaption(text);
    AddControl(&label);
}

void AdvScrollBar::Bind() {
    kiln::BiosItem* item = Item();
    if (!item) return;
    m_caption->SetCaption(item->Name());
    m_decrease->SetAccessibleName(std::string("Decrease ") + item->Name());
    m_increase->SetAccessibleName(std::string("Increase ") + item->Name());
    // The refresh below shows the position once.
    HoldDisplay();
    SetMax(static_cast<int>(item->StepCount()) - 1);
    m_unit->SetAutoSize(true);
    m_unit->SetCaption(UnitText(item->Number()));
    RefreshFromItem();
    Bound();
}

void AdvScrollBar::RefreshFromItem() {
    kiln::BiosItem* item = Item();
    if (!item || !m_bar) return;
    uint32_t index = 0;
    const bool read = item->ReadIndex(index);
    if (!read) index = 0;
    SetPositionIfDifferent(static_cast<int>(index));
    ShowHeldDisplay();
    SetValueKnown(read);
    m_current->SetCaption(m_chosen->Caption());
    m_chosen->Font().SetColor(m_unit->Font().GetColor());
}

void AdvScrollBar::LoadDefault() {
    if (kiln::BiosItem* item = Item()) SetPositionIfDifferent(static_cast<int>(item->DefaultIndex()));
}

int AdvScrollBar::KnobOffset() const {
    return m_knob ? m_knob->Left() - TrackOrigin() - m_bar->Left() : 0;
}

void AdvScrollBar::SetKnobOffset(int offset) {
    if (m_knob) m_knob->SetLeft(m_bar->Left() + TrackOrigin() + offset);
}

// The texts change first, so that the repaint of the fill shows them too.
void AdvScrollBar::UpdateDisplay() {
    if (!m_bar) return;
    if (const kiln::BiosItem* item = Item()) {
        m_chosen->SetCaption(item->IndexToString(static_cast<uint32_t>(Position())));
        m_chosen->Font().SetColor(ChosenColor());
    }
    PaintFill();
}

frame::Color AdvScrollBar::ChosenColor() const {
    if (m_sets.limits.ExceedsLimit(kiln::ItemLocal(ItemNumber()), static_cast<uint32_t>(Position())))
        return kOverLimitColor;
    if (m_chosen->Caption() != m_current->Caption()) return kChangedColor;
    return m_unit->Font().GetColor();
}

int AdvScrollBar::Height() const {
    return m_bar ? m_bar->Height() : 0;
}

void AdvScrollBar::ShowKnobHover(bool hover) {
    if (hover == m_knobShowsHover) return;
    m_knobShowsHover = hover;
    m_knob->SetPicture(hover ? m_knobHover : m_knobNormal);
}

std::string AdvScrollBar::AccessibleName() const {
    const kiln::BiosItem* item = Item();
    return item ? item->Name() : std::string();
}

std::string AdvScrollBar::AccessibleValue() const {
    return m_chosen ? WithUnit(m_chosen->Caption()) : std::string();
}

std::string AdvScrollBar::AccessibleDescription() const {
    return m_current ? "in hardware: " + WithUnit(m_current->Caption()) : std::string();
}

std::string AdvScrollBar::WithUnit(const std::string& value) const {
    std::string unit = UnitText(ItemNumber());
    std::erase_if(unit, [](char c) { return c == '(' || c == ')'; });
    return unit.empty() ? value : value + " " + unit;
}
