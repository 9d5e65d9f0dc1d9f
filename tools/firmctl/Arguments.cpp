#include "tools/firmctl/Arguments.h"

namespace firmctl {
namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

bool ParseNumber(const char* text, uint32_t& value) {
    if (!text) return false;
    uint64_t base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    if (!*text) return false;
    uint64_t parsed = 0;
    for (; *text; ++text) {
        uint64_t digit = static_cast<uint64_t>(DigitValue(*text));
        if (digit >= base) return false;
        parsed = parsed * base + digit;
        if (parsed > 0xFFFFFFFFull) return false;
    }
    value = static_cast<uint32_t>(parsed);
    return true;
}

}  // namespace firmctl
