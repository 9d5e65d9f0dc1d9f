#include "tunevault/Wow64.h"

#include <windows.h>

namespace tunevault {
namespace {

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);

IsWow64ProcessFn LookUpIsWow64Process() {
    HMODULE kernel = GetModuleHandleA("kernel32");
    if (!kernel) return nullptr;
    return reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
}

const IsWow64ProcessFn g_isWow64Process = LookUpIsWow64Process();

}  // namespace

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    return g_isWow64Process && g_isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace tunevault
