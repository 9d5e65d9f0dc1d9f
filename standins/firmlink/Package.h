#pragma once
// Builds and walks package buffers (layout documented in firmlink.h).

#include <cstdint>
#include <string>
#include <vector>

namespace firmsim {

class PackageBuilder {
public:
    PackageBuilder& Integer(uint32_t value);
    PackageBuilder& String(const std::string& text);

    // Copies the package into a caller's buffer whose capacity is *size and
    // stores the bytes used; false (buffer untouched) when it does not fit.
    bool WriteTo(void* buffer, uint32_t* size) const;
    std::size_t ByteSize() const { return 4 + m_body.size(); }

private:
    void Element(char tag, const void* payload, uint32_t length);

    uint32_t m_count = 0;
    std::vector<uint8_t> m_body;
};

// A failed call leaves an empty package where one fits, so that a caller who
// ignores the result reads no elements rather than stale bytes.
void WriteEmptyPackage(void* buffer, uint32_t* size);

void* FirstElement(void* buffer);
uint32_t ElementCount(const void* buffer);
void* ElementData(void* element);
void* NextElement(void* element);

}  // namespace firmsim
