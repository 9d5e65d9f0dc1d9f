#pragma once
// Read access to a package buffer that this side owns. Elements are walked
// only through the library's ordinals (the layout is the library's business),
// but every handle and payload the library hands back is checked against the
// buffer's bounds, because descriptions come from firmware we do not control
// and a short or malformed package must never make us read past the end.

#include <cstdint>

namespace kiln {

class PackageView {
public:
    // `data` must stay unchanged while handles from this view are in use.
    PackageView(const void* data, uint32_t size);

    uint32_t Count() const;
    const void* First() const;
    // nullptr when `element` is not inside the buffer or has no successor inside it.
    const void* Next(const void* element) const;

    // False when the element or its 4-byte payload is not inside the buffer.
    bool ReadInt(const void* element, uint32_t& value) const;
    // nullptr unless the element's characters and their terminator are inside the buffer.
    const char* ReadString(const void* element) const;
    // The element's payload when at least `bytes` of it are inside the buffer, else nullptr.
    const void* Payload(const void* element, uint32_t bytes) const;

private:
    bool Contains(const void* p, uint32_t bytes) const;
    void* Data(const void* element) const;

    const uint8_t* m_begin;
    const uint8_t* m_end;
};

}  // namespace kiln
