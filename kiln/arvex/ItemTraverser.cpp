#include "kiln/arvex/ItemTraverser.h"

#include "base/Reporting.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/FirmwareAnswers.h"
#include "kiln/arvex/PackageView.h"
#include "vendor/firmlink.h"

namespace kiln {

bool ItemTraverser::Open(uint32_t group) {
    BASE_ASSERT(!IsOpen(), kBiosInterfaceSource);
    if (!m_group.Open(group)) {
        Close();
        return false;
    }
    if (!m_description) m_description = std::make_unique<std::array<uint8_t, 4096>>();
    m_fetched = false;
    if (!m_group.AtEnd()) Fetch();
    return true;
}

void ItemTraverser::Close() {
    m_group.Close();
    m_description.reset();
    m_size = 0;
    m_number = 0;
    m_fetched = false;
}

bool ItemTraverser::Next() {
    m_group.Next();
    return Fetch();
}

bool ItemTraverser::Fetch() {
    m_fetched = false;
    const void* element = m_group.Current();
    if (!element || !m_description) return false;
    m_size = kPackageCapacity;
    if (!DescribeItem(element, m_description->data(), m_size)) return false;
    if (m_size > kPackageCapacity) return false;
    PackageView view(m_description->data(), m_size);
    uint32_t number = 0;
    if (view.Count() == 0 || !view.ReadInt(view.First(), number)) return false;
    m_number = number;
    m_fetched = true;
    return true;
}

std::unique_ptr<BiosItem> ItemTraverser::CreateItem() const {
    if (!m_fetched) return nullptr;
    return BiosItem::Create(m_number, m_description->data(), m_size);
}

}  // namespace kiln
