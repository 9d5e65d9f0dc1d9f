#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace frame {

// The module (program or DLL) this code is linked into: window classes are
// registered per module, so the program and a DLL that both carry the
// framework do not trip over each other's classes.
HINSTANCE ThisModule();

// The bytes of a resource, read from the module's file rather than through
// its mapped image where the file can be read: a large built-in picture is
// copied once into a bitmap, and its pages in the image would only double
// the memory it takes. The copy is let go with the object.
class ResourceBytes {
public:
    ResourceBytes(HINSTANCE module, const char* name, const char* type);
    ~ResourceBytes();
    ResourceBytes(const ResourceBytes&) = delete;
    ResourceBytes& operator=(const ResourceBytes&) = delete;

    // Empty when the module has no such resource.
    bool Empty() const { return m_size == 0; }
    std::size_t Size() const { return m_size; }
    const std::uint8_t* Data() const { return m_data; }

private:
    std::uint8_t* m_copy = nullptr;  // pages of its own, given back whole
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
};

}  // namespace frame
