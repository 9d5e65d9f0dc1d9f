#include "tests/faults/FaultCase.h"

#include "tests/arvex/SimulatedBoard.h"

#include <windows.h>

#include <cstdlib>

namespace faultstest {
namespace {

constexpr uint32_t kDefaultSeed = 15;

// FNV-1a: a stable number per phase name, so phases draw different faults.
uint32_t Hash(const std::string& text) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : text) hash = (hash ^ c) * 16777619u;
    return hash;
}

}  // namespace

std::string FaultCase::Name() const {
    std::string name = "ordinal " + std::to_string(ordinal) + ", ";
    switch (mode) {
    case kFirmFailEveryCall:
        return name + "every call";
    case kFirmFailNthCall:
        return name + "call " + std::to_string(parameter);
    case kFirmFailFromNthCall:
        return name + "from call " + std::to_string(parameter);
    case kFirmFailRandomly:
        return name + std::to_string(parameter) + "/1000 from seed " + std::to_string(seed);
    default:
        return name + "no failure";
    }
}

void FaultCase::Inject() const {
    const auto fail = SimulatedBoard::Extra<FirmFailOrdinalFn>("FirmSimFailOrdinal");
    ASSERT_EQ(fail(ordinal, mode, parameter, seed), 1u) << Name();
}

uint32_t RunSeed() {
    char text[32] = {};
    if (GetEnvironmentVariableA("FAULTS_SEED", text, sizeof text) == 0) return kDefaultSeed;
    return static_cast<uint32_t>(std::strtoul(text, nullptr, 0));
}

std::vector<FaultCase> CasesFor(const std::string& phase, uint32_t nthCall, uint32_t perMille) {
    std::vector<FaultCase> cases;
    const uint32_t base = Hash(phase) ^ (RunSeed() * 2654435761u);
    for (uint32_t ordinal : kOrdinals) {
        cases.push_back({ordinal, kFirmFailEveryCall, 0, 0});
        cases.push_back({ordinal, kFirmFailNthCall, nthCall, 0});
        cases.push_back({ordinal, kFirmFailRandomly, perMille, base + ordinal * 7919u});
    }
    return cases;
}

std::vector<FaultCase> EveryCallCases() {
    std::vector<FaultCase> cases;
    for (uint32_t ordinal : kOrdinals) cases.push_back({ordinal, kFirmFailEveryCall, 0, 0});
    return cases;
}

}  // namespace faultstest
