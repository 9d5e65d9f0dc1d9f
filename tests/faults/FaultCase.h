#pragma once
// One way the firmware fails: an ordinal failing on every call, on one
// counted call, or at random from a seed (FirmSimFailOrdinal). Each phase of
// the suite runs every ordinal the program imports through the same modes;
// the random seeds come from FAULTS_SEED (a fixed default), so a failing
// case is reproduced by the seed its trace prints.

#include <cstdint>
#include <string>
#include <vector>

namespace faultstest {

// The ordinals the program imports.
inline constexpr uint32_t kOrdinals[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13};

struct FaultCase {
    uint32_t ordinal = 0;
    uint32_t mode = 0;       // FirmOrdinalFailure
    uint32_t parameter = 0;  // the call number, or failures per 1000 calls
    uint32_t seed = 0;

    // "ordinal 3, every call", "ordinal 3, call 2", "ordinal 3, 300/1000 from seed 42".
    std::string Name() const;
    // Makes the firmware fail this way from now on, for every process.
    void Inject() const;
};

// Every ordinal on every call, on its `nthCall`-th call, and at random with
// `perMille` from a seed drawn for `phase`.
std::vector<FaultCase> CasesFor(const std::string& phase, uint32_t nthCall = 2, uint32_t perMille = 300);
// Every ordinal on every call only.
std::vector<FaultCase> EveryCallCases();
// The seed of the run: FAULTS_SEED, or a fixed default.
uint32_t RunSeed();

}  // namespace faultstest
