#include "kiln/arvex/BiosStringItem.h"

#include "kiln/arvex/PackageView.h"

namespace kiln {

bool BiosStringItem::Parse(const PackageView& view, const void* cursor, uint32_t remaining) {
    if (remaining <= 2) return false;
    if (!view.ReadInt(cursor, m_default)) return false;
    cursor = view.Next(cursor);
    uint32_t count = 0;
    if (!view.ReadInt(cursor, count)) return false;
    // The strings follow the count: at most remaining - 2 of them.
    if (count == 0 || count > remaining - 2) return false;
    return ReadStrings(view, view.Next(cursor), count, m_strs);
}

uint32_t BiosStringItem::StepCount() const {
    return static_cast<uint32_t>(m_strs.size());
}

std::string BiosStringItem::IndexToString(uint32_t index) const {
    return index < m_strs.size() ? std::string(m_strs[index]) : std::string();
}

}  // namespace kiln
