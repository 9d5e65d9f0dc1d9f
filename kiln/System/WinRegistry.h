#pragma once
// A scoped hold on one registry key: opens or creates it, writes values into
// it and closes it on Close() or destruction. A key handed over by Attach()
// is used but never closed here.

#include "base/Handles.h"
#include "kiln/System/RegNameBuffers.h"

#include <windows.h>

#include <memory>

namespace kiln {

class RegAccessor {
public:
    RegAccessor() = default;
    RegAccessor(const RegAccessor&) = delete;
    RegAccessor& operator=(const RegAccessor&) = delete;
    virtual ~RegAccessor();

    // Opens `path` under `root` with full access, creating it and any missing
    // keys on the way when `create` is set. False, with nothing changed, when
    // the system refuses. The accessor must not be open.
    virtual bool Open(HKEY root, const char* path, bool create);
    // Uses a key opened elsewhere; the accessor must not be open.
    virtual bool Attach(HKEY key);
    // Writes a REG_DWORD value; true when the system stored it.
    virtual bool SetDWORD(const char* name, DWORD value);
    virtual void Close();

    bool IsOpen() const { return m_values != nullptr && m_subKeys != nullptr; }
    HKEY Key() const { return m_owned ? m_owned.Get() : m_borrowed; }
    bool OwnsKey() const { return static_cast<bool>(m_owned); }
    // The key's value and sub-key names; nullptr while closed.
    RegValueBase* Values() const { return m_values.get(); }
    RegSubKeyBase* SubKeys() const { return m_subKeys.get(); }

private:
    void Bind(HKEY key);

    // An opened key is owned; an attached one is only borrowed.
    base::RegistryKey m_owned;
    HKEY m_borrowed = nullptr;
    std::unique_ptr<RegValueBase> m_values;
    std::unique_ptr<RegSubKeyBase> m_subKeys;
};

}  // namespace kiln
