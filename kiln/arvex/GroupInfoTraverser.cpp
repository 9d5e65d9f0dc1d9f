#include "kiln/arvex/GroupInfoTraverser.h"

#include "base/Reporting.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/FirmwareAnswers.h"
#include "kiln/arvex/PackageView.h"
#include "vendor/firmlink.h"

namespace kiln {

bool GroupInfoTraverser::Open(uint32_t group) {
    BASE_ASSERT(!IsOpen(), kBiosInterfaceSource);
    if (!m_buffer) m_buffer = std::make_unique<Buffer>();
    m_buffer->fill(0);
    m_size = kPackageCapacity;
    m_position = 0;
    m_count = 0;
    m_current = nullptr;
    if (!ListGroup(group, m_buffer->data(), m_size)) return false;
    if (m_size > kPackageCapacity) m_size = 0;
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
    if (m_position >= m_count) return;
    m_current = const_cast<void*>(View().Next(m_current));
    // A list that holds fewer elements than its count ends where it ends.
    if (!m_current) m_position = m_count;
}

const void* GroupInfoTraverser::Current() const {
    if (!IsOpen() || AtEnd()) return nullptr;
    // The describe call reads at least the item number behind the pointer.
    return View().Payload(m_current, sizeof(uint32_t));
}

PackageView GroupInfoTraverser::View() const {
    return PackageView(m_buffer->data(), m_size);
}

}  // namespace kiln
