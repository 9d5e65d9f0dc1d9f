#pragma once
// Builds description packages in the firmware library's buffer format, so
// that items can be made from descriptions a real board would never send.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class PackageBuilder {
public:
    PackageBuilder& Int(uint32_t value) {
        Append('I', &value, sizeof value);
        return *this;
    }
    PackageBuilder& Str(const std::string& text) {
        Append('S', text.c_str(), static_cast<uint32_t>(text.size() + 1));
        return *this;
    }
    // A number item's description: number, name, attributes, default, base, step, count.
    static PackageBuilder Number(uint32_t number, uint32_t base, uint32_t step, uint32_t count) {
        PackageBuilder p;
        p.Int(number).Str("Item").Int(0).Int(0).Int(base).Int(step).Int(count);
        return p;
    }

    std::vector<uint8_t> Bytes() const {
        // Sized once and copied into: growing a 4-byte vector by insert makes
        // the i686 compiler warn about bounds it cannot see.
        std::vector<uint8_t> bytes(4 + m_body.size());
        std::memcpy(bytes.data(), &m_count, 4);
        if (!m_body.empty()) std::memcpy(bytes.data() + 4, m_body.data(), m_body.size());
        return bytes;
    }

private:
    void Append(char tag, const void* payload, uint32_t length) {
        m_body.push_back(static_cast<uint8_t>(tag));
        const auto* len = reinterpret_cast<const uint8_t*>(&length);
        m_body.insert(m_body.end(), len, len + 4);
        const auto* data = static_cast<const uint8_t*>(payload);
        m_body.insert(m_body.end(), data, data + length);
        ++m_count;
    }

    uint32_t m_count = 0;
    std::vector<uint8_t> m_body;
};
