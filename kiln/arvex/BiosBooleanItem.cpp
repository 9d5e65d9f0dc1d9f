#include "kiln/arvex/BiosBooleanItem.h"

#include "kiln/arvex/PackageView.h"

namespace kiln {

bool BiosBooleanItem::Parse(const PackageView& view, const void* cursor, uint32_t remaining) {
    return remaining >= 1 && view.ReadInt(cursor, m_default);
}

}  // namespace kiln
