#include "kiln/arvex/PackageView.h"

#include <cstring>

#include "vendor/firmlink.h"

namespace kiln {

PackageView::PackageView(const void* data, uint32_t size)
    : m_begin(static_cast<const uint8_t*>(data)), m_end(static_cast<const uint8_t*>(data) + size) {}

bool PackageView::Contains(const void* p, uint32_t bytes) const {
    auto at = reinterpret_cast<uintptr_t>(p);
    auto begin = reinterpret_cast<uintptr_t>(m_begin);
    auto end = reinterpret_cast<uintptr_t>(m_end);
    return at >= begin && at <= end && end - at >= bytes;
}

void* PackageView::Data(const void* element) const {
    return FirmElementData(const_cast<void*>(element));
}

uint32_t PackageView::Count() const {
    if (!Contains(m_begin, sizeof(uint32_t))) return 0;
    return FirmElementCount(const_cast<uint8_t*>(m_begin));
}

const void* PackageView::First() const {
    const void* first = FirmFirstElement(const_cast<uint8_t*>(m_begin));
    return Contains(first, 1) ? first : nullptr;
}

const void* PackageView::Next(const void* element) const {
    if (!element || !Contains(element, 1)) return nullptr;
    const void* next = FirmNextElement(const_cast<void*>(element));
    return Contains(next, 1) ? next : nullptr;
}

const void* PackageView::Payload(const void* element, uint32_t bytes) const {
    if (!element || !Contains(element, 1)) return nullptr;
    const void* data = Data(element);
    return Contains(data, bytes) ? data : nullptr;
}

bool PackageView::ReadInt(const void* element, uint32_t& value) const {
    const void* data = Payload(element, sizeof value);
    if (!data) return false;
    std::memcpy(&value, data, sizeof value);  // payloads are not aligned
    return true;
}

const char* PackageView::ReadString(const void* element) const {
    if (!element || !Contains(element, 1)) return nullptr;
    const char* text = static_cast<const char*>(Data(element));
    if (!Contains(text, 1)) return nullptr;
    size_t room = static_cast<size_t>(reinterpret_cast<const char*>(m_end) - text);
    return std::memchr(text, '\0', room) ? text : nullptr;
}

}  // namespace kiln
