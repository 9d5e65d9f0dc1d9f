#include "standins/velolib/FirmwarePackage.h"

#include "vendor/firmlink.h"

#include <cstring>

namespace velolib {

bool FirmwarePackage::ListGroup(uint32_t group) {
    uint32_t size = kFirmPackageCapacity;
    return Walk(FirmListGroup(group, m_buffer.data(), &size), size);
}

bool FirmwarePackage::Describe(const FirmwarePackage& list, uint32_t index) {
    if (index >= list.Count()) return false;
    uint32_t size = kFirmPackageCapacity;
    return Walk(FirmDescribeItem(list.m_data[index], m_buffer.data(), &size), size);
}

// A package whose walk ends early or meets an element without data cannot
// be read: what was walked of it is dropped, never read through null. One
// that counts no element while holding more than its count word is no
// more readable.
bool FirmwarePackage::Walk(uint32_t result, uint32_t size) {
    m_data.clear();
    if (result == 0) return false;
    const uint32_t count = FirmElementCount(m_buffer.data());
    if (count == 0 && size > sizeof(uint32_t)) return false;
    void* element = FirmFirstElement(m_buffer.data());
    for (uint32_t i = 0; i < count; ++i) {
        const void* data = element ? FirmElementData(element) : nullptr;
        if (!data) {
            m_data.clear();
            return false;
        }
        m_data.push_back(data);
        if (i + 1 < count) element = FirmNextElement(element);
    }
    return true;
}

uint32_t FirmwarePackage::Integer(uint32_t index) const {
    uint32_t value = 0;
    // Payloads are not aligned.
    if (index < m_data.size()) std::memcpy(&value, m_data[index], sizeof value);
    return value;
}

}  // namespace velolib
