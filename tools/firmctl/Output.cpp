#include "tools/firmctl/Output.h"

#include <cstdarg>
#include <cstdio>

namespace firmctl {

void Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
}

void Fail(const char* format, ...) {
    // Flush what was printed so far so that both streams read in order.
    std::fflush(stdout);
    std::fputs("firmctl: ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace firmctl
