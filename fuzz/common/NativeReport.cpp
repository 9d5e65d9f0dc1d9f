// The native fuzz builds' side of base/Reporting.h: the firmware item parsers
// report through it, and a message box has no place in a fuzzer. Messages are
// counted and dropped; a failed assertion is a finding and stops the run.

#include "base/Reporting.h"

#include <cstdio>
#include <cstdlib>

namespace base {

int ShowMessage(const char*, const char*, unsigned int) {
    return 1;  // IDOK
}

// Kept only to honour the interface: nothing in a fuzz build installs one.
MessageHandler SetMessageHandler(MessageHandler) {
    return nullptr;
}

void AssertFailed(const char* condition, const char* source, int line) {
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, source, line);
    std::abort();
}

AssertHandler SetAssertHandler(AssertHandler) {
    return nullptr;
}

}  // namespace base
