#pragma once
// A numeric item. Its steps are base + j * step, scaled by a decimal exponent
// and shown with the decimals its kind implies; optional extra strings (such
// as "Auto") come before the numeric steps in index order.

#include "kiln/arvex/BiosItem.h"

namespace kiln {

class BiosNumberItem : public BiosItem {
public:
    uint32_t StepCount() const override;
    bool IndexToRational(uint32_t index, int32_t& numerator, int32_t& denominator) const override;
    double IndexToValue(uint32_t index) const override;
    std::string IndexToString(uint32_t index) const override;

    uint32_t BaseWord() const { return m_base; }
    uint32_t StepWord() const { return m_step; }
    uint32_t ExtraStringCount() const { return static_cast<uint32_t>(m_exStrs.size()); }

protected:
    friend class BiosItem;
    using BiosItem::BiosItem;

    bool Parse(const PackageView& view, const void* cursor, uint32_t remaining) override;

private:
    // Numerator before scaling, for a numeric (not extra-string) index.
    int32_t Numerator(uint32_t index) const;
    int Exponent() const;

    uint32_t m_base = 0;
    uint32_t m_step = 0;
    uint32_t m_steps = 0;  // numeric steps plus extra strings
    std::vector<const char*> m_exStrs;
};

}  // namespace kiln
