#include "tools/firmctl/SimulatorExtras.h"

#include <windows.h>

namespace firmctl {
namespace {

template <typename Fn>
Fn Lookup(HMODULE library, const char* name) {
    if (!library) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

SimulatorExtras::SimulatorExtras() {
    // The library is imported, so it is loaded already; no reference is taken.
    HMODULE library = GetModuleHandleA("firmlink.dll");
    m_reset = Lookup<ResetFn>(library, "FirmSimReset");
    m_callCount = Lookup<CallCountFn>(library, "FirmSimCallCount");
    m_resetCounts = Lookup<ResetCountsFn>(library, "FirmSimResetCounts");
}

bool SimulatorExtras::Reset() const {
    return m_reset && (m_reset() & 1);
}

void SimulatorExtras::ResetCounts() const {
    if (m_resetCounts) m_resetCounts();
}

uint32_t SimulatorExtras::CallCount(uint32_t ordinal) const {
    return m_callCount ? m_callCount(ordinal) : 0;
}

}  // namespace firmctl
