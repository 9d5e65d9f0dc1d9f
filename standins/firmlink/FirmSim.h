#pragma once
// Run-time lookup of the simulated board's named extras (see firmlink.h).
// Returns null when the loaded firmlink.dll is not the simulator.

#include <windows.h>

#include "vendor/firmlink.h"

template <typename Fn>
Fn FirmSimFunction(const char* name) {
    HMODULE module = GetModuleHandleA("firmlink.dll");
    if (!module) return nullptr;
    // FARPROC and the real signature are unrelated function types; going
    // through void* is the sanctioned way across.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
