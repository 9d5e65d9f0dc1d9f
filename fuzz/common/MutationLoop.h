#pragma once
// The in-process fuzz loop of the readers that need Win32, run under Wine:
// each input is a seed changed by a few mutations chosen from a seed number
// and the input's index alone, so a run is repeated exactly by its numbers.
//
//   <program> [--inputs N] [--seconds S] [--seed K] [--seeds FOLDER]... [--crashes FOLDER] [FILE...]
//
// Files named on the command line are replayed one by one instead. An input
// that breaks an invariant, raises an exception or takes longer than ten
// seconds is saved in the crash folder (default: the current one) and ends
// the run with a non-zero exit code. The last line printed is
// "<target>: <count> inputs, <result>".

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fuzzloop {

using Input = std::vector<uint8_t>;

// Reads the input; returns "" when every invariant held, else what broke.
using Target = std::function<std::string(const Input& input)>;

int Run(const char* name, int argc, char** argv, const Target& target);

// The mutation of a seed as input `index` of run `seed` makes it; `others`
// are the other seeds, for splicing.
Input Mutate(const Input& seed, const std::vector<Input>& others, uint64_t run, uint64_t index);

// Replaces the file at `path` with the input, for readers that take a file;
// false when it could not be written whole.
bool WriteWhole(const std::string& path, const Input& input);

}  // namespace fuzzloop
