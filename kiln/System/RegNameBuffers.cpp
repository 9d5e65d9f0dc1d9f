#include "kiln/System/RegNameBuffers.h"

namespace kiln {

void RegNameBuffer::Allocate() {
    DWORD longest = 0;
    if (!QueryLongestName(longest)) {
        m_buffer.reset();
        m_size = 0;
        return;
    }
    m_size = longest + 1;
    m_buffer.reset(new char[m_size]());
}

const char* RegNameBuffer::Name(DWORD index) {
    if (!m_buffer) return nullptr;
    for (int attempt = 0; attempt < 2; ++attempt) {
        DWORD length = m_size;
        LONG status = Enumerate(index, m_buffer.get(), &length);
        if (status == ERROR_SUCCESS) return m_buffer.get();
        if (status != ERROR_MORE_DATA) return nullptr;
        Allocate();
        if (!m_buffer) return nullptr;
    }
    return nullptr;
}

RegValueBase::RegValueBase(HKEY key) : RegNameBuffer(key) {
    Allocate();
}

bool RegValueBase::QueryLongestName(DWORD& length) const {
    DWORD values = 0;
    return RegQueryInfoKeyA(Key(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, &length,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

LONG RegValueBase::Enumerate(DWORD index, char* name, DWORD* length) const {
    return RegEnumValueA(Key(), index, name, length, nullptr, nullptr, nullptr, nullptr);
}

RegSubKeyBase::RegSubKeyBase(HKEY key) : RegNameBuffer(key) {
    Allocate();
}

bool RegSubKeyBase::QueryLongestName(DWORD& length) const {
    DWORD subKeys = 0;
    return RegQueryInfoKeyA(Key(), nullptr, nullptr, nullptr, &subKeys, &length, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

LONG RegSubKeyBase::Enumerate(DWORD index, char* name, DWORD* length) const {
    return RegEnumKeyExA(Key(), index, name, length, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace kiln
