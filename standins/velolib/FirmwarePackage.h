#pragma once
// A package the firmware access library filled (a group list or an item
// description), read only through the library's own walking ordinals.

#include <array>
#include <cstdint>
#include <vector>

namespace velolib {

class FirmwarePackage {
public:
    // Lists group `group`; false when the firmware refuses or the list cannot
    // be walked whole.
    bool ListGroup(uint32_t group);
    // Describes the item behind element `index` of `list`; false when the
    // firmware refuses or the description cannot be walked whole.
    bool Describe(const FirmwarePackage& list, uint32_t index);

    uint32_t Count() const { return static_cast<uint32_t>(m_data.size()); }
    // Element `index` read as an integer (0 past the end).
    uint32_t Integer(uint32_t index) const;

private:
    bool Walk(uint32_t result, uint32_t size);

    std::array<uint8_t, 4096> m_buffer{};
    std::vector<const void*> m_data;
};

}  // namespace velolib
