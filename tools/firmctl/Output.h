#pragma once
// Formatted lines on standard output and one-line errors on standard error.

#include <string>

namespace firmctl {

[[gnu::format(printf, 1, 2)]] void Print(const char* format, ...);
[[gnu::format(printf, 1, 2)]] void Fail(const char* format, ...);

// Process exit codes.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUnsupported = 2;  // bad usage, or not possible with this firmware library

}  // namespace firmctl
