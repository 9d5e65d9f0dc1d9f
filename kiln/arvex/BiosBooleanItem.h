#pragma once
// An on/off item: a default index and no step table.

#include "kiln/arvex/BiosItem.h"

namespace kiln {

class BiosBooleanItem : public BiosItem {
protected:
    friend class BiosItem;
    using BiosItem::BiosItem;

    bool Parse(const PackageView& view, const void* cursor, uint32_t remaining) override;
};

}  // namespace kiln
