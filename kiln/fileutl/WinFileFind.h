#pragma once
// One find-first/find-next search over a directory pattern.

#include "base/Handles.h"

#include <windows.h>

#include <memory>

namespace kiln {

class WinFileFindA {
public:
    WinFileFindA() = default;
    WinFileFindA(const WinFileFindA&) = delete;
    WinFileFindA& operator=(const WinFileFindA&) = delete;
    ~WinFileFindA();

    // Starts a search; the first entry becomes current. Must not be open.
    bool Open(const char* pattern);
    // Moves to the next entry; IsValid() tells whether there was one.
    void Next();
    void Close();

    bool IsOpen() const { return m_data != nullptr; }
    bool IsValid() const { return m_valid; }
    // The current entry; only while open.
    const WIN32_FIND_DATAA& Data() const { return *m_data; }
    const char* Name() const { return m_data->cFileName; }
    bool IsDirectory() const { return (m_data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }
    bool IsDot() const;
    bool IsDotDot() const;

private:
    base::FindHandle m_find;
    std::unique_ptr<WIN32_FIND_DATAA> m_data;
    bool m_valid = false;
};

}  // namespace kiln
