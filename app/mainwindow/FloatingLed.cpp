#include "app/mainwindow/FloatingLed.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kHighlightOffset = 10;
constexpr int kPoint = 20;
constexpr int kHighlightedPoint = 21;
// Beyond this an integer part no longer fits the 64-bit split, and no row
// of slots shows that many digits.
constexpr double kLargestShown = 1e18;

}  // namespace

FloatingLed::FloatingLed(frame::WinControl& owner, const std::string& name) : m_owner(owner), m_name(name) {}

FloatingLed::~FloatingLed() = default;

void FloatingLed::SetFormat(unsigned integerDigits, unsigned fractionDigits) {
    m_integerDigits = integerDigits;
    m_fractionDigits = fractionDigits;
    const size_t count = integerDigits + fractionDigits + (fractionDigits > 0 ? 1 : 0);
    if (count != m_slots.size()) Rebuild(count);
}

// Slot places come from the width of digit 0 at build time; the point slot
// overlaps its neighbours.
void FloatingLed::Rebuild(size_t count) {
    m_slots.clear();
    int running = m_x;
    for (size_t i = 0; i < count; ++i) {
        std::unique_ptr<NumberLed> slot = CreateDigit();
        slot->Init(m_owner, m_name + ".Digit" + std::to_string(i));
        slot->SetVisible(m_visible);
        if (m_fractionDigits > 0 && i == m_integerDigits) {
            slot->SetLeft(running - 4);
            running = running - 4 + slot->Width() - 10;
        } else {
            slot->SetLeft(running);
            running += DigitSpacing() + slot->Width();
        }
        slot->SetTop(m_y);
        m_slots.push_back(std::move(slot));
    }
}

std::unique_ptr<NumberLed> FloatingLed::CreateDigit() const {
    return std::make_unique<LargeNumberLed>();
}

void FloatingLed::SetLeft(int x) {
    for (auto& slot : m_slots) slot->SetLeft(slot->Left() + x - m_x);
    m_x = x;
}

void FloatingLed::SetTop(int y) {
    for (auto& slot : m_slots) slot->SetTop(slot->Top() + y - m_y);
    m_y = y;
}

void FloatingLed::SetVisible(bool visible) {
    if (visible == m_visible) return;
    m_visible = visible;
    for (auto& slot : m_slots) slot->SetVisible(visible);
}

void FloatingLed::SetValue(double value) {
    // Negative and undefined values have no digits; they show as zero.
    if (!(value >= 0)) value = 0;
    value = std::min(value, kLargestShown);
    const int offset = m_highlighted ? kHighlightOffset : 0;
    uint64_t integer = static_cast<uint64_t>(value);
    double fraction = value - static_cast<double>(integer);

    const size_t integerSlots = std::min<size_t>(m_integerDigits, m_slots.size());
    for (size_t i = integerSlots; i-- > 0;) {
        m_slots[i]->Show(static_cast<int>(integer % 10) + offset);
        integer /= 10;
    }
    if (m_fractionDigits == 0 || m_slots.size() <= m_integerDigits) return;
    m_slots[m_integerDigits]->Show(m_highlighted ? kHighlightedPoint : kPoint);
    for (size_t i = m_integerDigits + 1; i < m_slots.size(); ++i) {
        fraction *= 10;
        if (i + 1 == m_slots.size()) fraction += 0.5;
        const int digit = std::min(9, static_cast<int>(fraction));
        m_slots[i]->Show(digit + offset);
        fraction -= std::floor(fraction);
    }
}
