#include "kiln/System/WinRegistry.h"

#include "kiln/System/Diagnostics.h"

namespace kiln {
namespace {

constexpr const char* kSource = "kiln/System/Source/WinRegistry";

}  // namespace

RegAccessor::~RegAccessor() {
    Close();
}

bool RegAccessor::Open(HKEY root, const char* path, bool create) {
    KILN_ASSERT(!IsOpen(), kSource);
    HKEY key = nullptr;
    LONG status = create ? RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                           &key, nullptr)
                         : RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key);
    if (status != ERROR_SUCCESS) return false;
    Attach(key);
    m_ownsKey = true;
    return true;
}

bool RegAccessor::Attach(HKEY key) {
    KILN_ASSERT(!IsOpen(), kSource);
    m_key = key;
    m_values = std::make_unique<RegValueBase>(key);
    m_subKeys = std::make_unique<RegSubKeyBase>(key);
    return true;
}

bool RegAccessor::SetDWORD(const char* name, DWORD value) {
    return RegSetValueExA(m_key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

void RegAccessor::Close() {
    if (m_ownsKey) {
        RegCloseKey(m_key);
        m_ownsKey = false;
    }
    m_values.reset();
    m_subKeys.reset();
    m_key = nullptr;
}

}  // namespace kiln
