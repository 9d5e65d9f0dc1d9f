#include "kiln/System/WinRegistry.h"

#include "base/Diagnostics.h"

namespace kiln {
namespace {

constexpr const char* kSource = "kiln/System/Source/WinRegistry";

}  // namespace

RegAccessor::~RegAccessor() {
    Close();
}

bool RegAccessor::Open(HKEY root, const char* path, bool create) {
    BASE_ASSERT(!IsOpen(), kSource);
    HKEY key = nullptr;
    LONG status = create ? RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                           &key, nullptr)
                         : RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &key);
    if (status != ERROR_SUCCESS) return false;
    m_owned.Reset(key);
    Bind(key);
    return true;
}

bool RegAccessor::Attach(HKEY key) {
    BASE_ASSERT(!IsOpen(), kSource);
    m_borrowed = key;
    Bind(key);
    return true;
}

void RegAccessor::Bind(HKEY key) {
    m_values = std::make_unique<RegValueBase>(key);
    m_subKeys = std::make_unique<RegSubKeyBase>(key);
}

bool RegAccessor::SetDWORD(const char* name, DWORD value) {
    return RegSetValueExA(Key(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

void RegAccessor::Close() {
    m_values.reset();
    m_subKeys.reset();
    m_owned.Reset();
    m_borrowed = nullptr;
}

}  // namespace kiln
