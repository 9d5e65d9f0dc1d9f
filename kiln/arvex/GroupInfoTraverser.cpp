#include "kiln/arvex/GroupInfoTraverser.h"

#include "kiln/System/Diagnostics.h"
#include "kiln/arvex/BiosInterface.h"
#include "standins/firmlink/firmlink.h"

namespace kiln {

bool GroupInfoTraverser::Open(uint32_t group) {
    KILN_ASSERT(!IsOpen(), kBiosInterfaceSource);
    if (!m_buffer) m_buffer = std::make_unique<std::array<uint8_t, 4096>>();
    m_size = kPackageCapacity;
    m_position = 0;
    m_count = 0;
    m_current = nullptr;
    if (!FirmListGroup(group, m_buffer->data(), &m_size)) return false;
    m_count = FirmElementCount(m_buffer->data());
    m_current = FirmFirstElement(m_buffer->data());
    return true;
}

void GroupInfoTraverser::Close() {
    m_buffer.reset();
    m_current = nullptr;
    m_position = 0;
    m_count = 0;
}

void GroupInfoTraverser::Next() {
    if (m_position >= m_count) return;
    ++m_position;
    if (m_position < m_count) m_current = FirmNextElement(m_current);
}

const void* GroupInfoTraverser::Current() const {
    if (!IsOpen() || AtEnd()) return nullptr;
    return FirmElementData(m_current);
}

}  // namespace kiln
