#include "frame/Module.h"

#include <cstring>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace frame {
namespace {

// Where `size` bytes at `rva` of a mapped image lie in its file; 0 when they
// are not stored in one piece there.
DWORD FileOffsetOf(HINSTANCE module, DWORD rva, DWORD size) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return 0;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return 0;
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        const DWORD start = section->VirtualAddress;
        if (rva >= start && rva - start <= section->SizeOfRawData && size <= section->SizeOfRawData - (rva - start))
            return section->PointerToRawData + (rva - start);
    }
    return 0;
}

base::FileHandle OpenModuleFile(HINSTANCE module) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return base::FileHandle();
    return base::FileHandle(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

bool ReadAt(HANDLE file, DWORD offset, void* buffer, DWORD size) {
    OVERLAPPED at{};
    at.Offset = offset;
    DWORD read = 0;
    return ReadFile(file, buffer, size, &read, &at) && read == size;
}

}  // namespace

HINSTANCE ThisModule() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

ResourceBytes::ResourceBytes(HINSTANCE module, const char* name, const char* type) {
    const HRSRC found = FindResourceA(module, name, type);
    if (!found) return;
    const DWORD size = SizeofResource(module, found);
    // Only a pointer: the resource's pages are not touched through it unless
    // the file cannot be read.
    const auto* mapped = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    if (!mapped || size == 0) return;
    m_mapped = mapped;
    m_size = size;
    m_fileOffset = FileOffsetOf(module, static_cast<DWORD>(mapped - reinterpret_cast<const BYTE*>(module)), size);
    if (m_fileOffset != 0) m_file = OpenModuleFile(module);
}

void ResourceBytes::CopyTo(std::size_t offset, void* target, std::size_t count) const {
    if (m_file && ReadAt(m_file.Get(), m_fileOffset + static_cast<DWORD>(offset), target, static_cast<DWORD>(count)))
        return;
    std::memcpy(target, m_mapped + offset, count);
}

}  // namespace frame
