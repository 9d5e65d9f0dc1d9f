#pragma once
// An item whose steps are texts; the index selects one of the strings.

#include "kiln/arvex/BiosItem.h"

namespace kiln {

class BiosStringItem : public BiosItem {
public:
    uint32_t StepCount() const override;
    // Empty for an index outside the table (a firmware value we cannot name).
    std::string IndexToString(uint32_t index) const override;

protected:
    friend class BiosItem;
    using BiosItem::BiosItem;

    bool Parse(const PackageView& view, const void* cursor, uint32_t remaining) override;

private:
    std::vector<const char*> m_strs;
};

}  // namespace kiln
