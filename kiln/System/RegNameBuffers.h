#pragma once
// Name buffers for walking one registry key's values and sub-keys. Each is
// sized at creation from the key's longest name; a failed size query leaves
// it without a buffer, and walking it then yields nothing.

#include <windows.h>

#include <memory>

namespace kiln {

class RegNameBuffer {
public:
    RegNameBuffer(const RegNameBuffer&) = delete;
    RegNameBuffer& operator=(const RegNameBuffer&) = delete;
    virtual ~RegNameBuffer() = default;

    HKEY Key() const { return m_key; }
    DWORD Size() const { return m_size; }

    // The name at `index`, or nullptr past the last one (or without a
    // buffer). Valid until the next call. Names added since creation may be
    // longer than the buffer; it then grows.
    const char* Name(DWORD index);

protected:
    explicit RegNameBuffer(HKEY key) : m_key(key) {}
    // Sizes the buffer; called by the derived constructors.
    void Allocate();

private:
    // Longest name length in characters, without terminator; false on failure.
    virtual bool QueryLongestName(DWORD& length) const = 0;
    virtual LONG Enumerate(DWORD index, char* name, DWORD* length) const = 0;

    HKEY m_key;
    std::unique_ptr<char[]> m_buffer;
    DWORD m_size = 0;
};

// Value names of a key.
class RegValueBase : public RegNameBuffer {
public:
    explicit RegValueBase(HKEY key);

private:
    bool QueryLongestName(DWORD& length) const override;
    LONG Enumerate(DWORD index, char* name, DWORD* length) const override;
};

// Sub-key names of a key.
class RegSubKeyBase : public RegNameBuffer {
public:
    explicit RegSubKeyBase(HKEY key);

private:
    bool QueryLongestName(DWORD& length) const override;
    LONG Enumerate(DWORD index, char* name, DWORD* length) const override;
};

}  // namespace kiln
