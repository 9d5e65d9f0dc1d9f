#pragma once
// The named extras that only the simulated firmware library exports. They
// are looked up at run time so that firmctl also runs on the real library,
// where each of them is simply absent.

#include <cstdint>

namespace firmctl {

class SimulatorExtras {
public:
    SimulatorExtras();

    bool CanReset() const { return m_reset != nullptr; }
    bool CanCount() const { return m_callCount != nullptr && m_resetCounts != nullptr; }

    bool Reset() const;
    void ResetCounts() const;
    uint32_t CallCount(uint32_t ordinal) const;

private:
    using ResetFn = uint32_t(__stdcall*)();
    using CallCountFn = uint32_t(__stdcall*)(uint32_t);
    using ResetCountsFn = void(__stdcall*)();

    ResetFn m_reset = nullptr;
    CallCountFn m_callCount = nullptr;
    ResetCountsFn m_resetCounts = nullptr;
};

}  // namespace firmctl
