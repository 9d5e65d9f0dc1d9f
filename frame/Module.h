#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "base/Handles.h"

namespace frame {

// The module (program or DLL) this code is linked into: window classes are
// registered per module, so the program and a DLL that both carry the
// framework do not trip over each other's classes.
HINSTANCE ThisModule();

// The bytes of a resource, read from the module's file rather than through
// its mapped image where the file can be read: a large built-in picture is
// copied once, straight into its bitmap, and its pages in the image would
// only double the memory it takes.
class ResourceBytes {
public:
    ResourceBytes(HINSTANCE module, const char* name, const char* type);
    ResourceBytes(const ResourceBytes&) = delete;
    ResourceBytes& operator=(const ResourceBytes&) = delete;

    // Empty when the module has no such resource.
    bool Empty() const { return m_size == 0; }
    std::size_t Size() const { return m_size; }
    // Copies `count` bytes from `offset` on into `target`; the range must lie
    // within the resource.
    void CopyTo(std::size_t offset, void* target, std::size_t count) const;

private:
    const std::uint8_t* m_mapped = nullptr;
    std::size_t m_size = 0;
    DWORD m_fileOffset = 0;  // 0: not stored in one piece in the file
    base::FileHandle m_file; // the module's file, while it can be read
};

}  // namespace frame
