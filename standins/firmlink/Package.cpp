#include "standins/firmlink/Package.h"

#include <cstring>

namespace firmsim {
namespace {

constexpr std::size_t kHeaderBytes = 4;
constexpr std::size_t kElementHeaderBytes = 5;  // tag and payload length

uint32_t ReadWord(const void* at) {
    uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

}  // namespace

void PackageBuilder::Element(char tag, const void* payload, uint32_t length) {
    const auto* bytes = static_cast<const uint8_t*>(payload);
    m_body.push_back(static_cast<uint8_t>(tag));
    const auto* lengthBytes = reinterpret_cast<const uint8_t*>(&length);
    m_body.insert(m_body.end(), lengthBytes, lengthBytes + sizeof length);
    m_body.insert(m_body.end(), bytes, bytes + length);
    ++m_count;
}

PackageBuilder& PackageBuilder::Integer(uint32_t value) {
    Element('I', &value, sizeof value);
    return *this;
}

PackageBuilder& PackageBuilder::String(const std::string& text) {
    Element('S', text.c_str(), static_cast<uint32_t>(text.size() + 1));
    return *this;
}

bool PackageBuilder::WriteTo(void* buffer, uint32_t* size) const {
    if (!buffer || !size || *size < ByteSize()) return false;
    auto* out = static_cast<uint8_t*>(buffer);
    std::memcpy(out, &m_count, sizeof m_count);
    if (!m_body.empty()) std::memcpy(out + kHeaderBytes, m_body.data(), m_body.size());
    *size = static_cast<uint32_t>(ByteSize());
    return true;
}

void WriteEmptyPackage(void* buffer, uint32_t* size) {
    PackageBuilder().WriteTo(buffer, size);
}

void* FirstElement(void* buffer) {
    if (!buffer || ElementCount(buffer) == 0) return nullptr;
    return static_cast<uint8_t*>(buffer) + kHeaderBytes;
}

uint32_t ElementCount(const void* buffer) { return buffer ? ReadWord(buffer) : 0; }

void* ElementData(void* element) {
    return element ? static_cast<uint8_t*>(element) + kElementHeaderBytes : nullptr;
}

void* NextElement(void* element) {
    if (!element) return nullptr;
    auto* at = static_cast<uint8_t*>(element);
    return at + kElementHeaderBytes + ReadWord(at + 1);
}

}  // namespace firmsim
