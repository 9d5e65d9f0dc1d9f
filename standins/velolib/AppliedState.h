#pragma once
// The tuning state the board holds now, as the program's profiles list it.

#include <cstdint>
#include <vector>

namespace velolib {

struct Setting {
    uint32_t number;
    uint32_t value;
};

// The ratio once per core, then every other group-3 item that is not
// skipped, in firmware order. False, with nothing gathered, when group 3
// cannot be listed.
bool ReadAppliedState(std::vector<Setting>& settings);

}  // namespace velolib
