#include "standins/firmlink/InstanceName.h"

namespace firmsim {

// Instance names are free text; a file name must not be. Spelling every other
// byte %XX keeps two different names from ever meeting in one file.
std::string EncodeInstance(const std::string& instance) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string name;
    for (unsigned char c : instance) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '.';
        if (plain) {
            name += static_cast<char>(c);
        } else {
            name += '%';
            name += kHex[c >> 4];
            name += kHex[c & 15];
        }
    }
    return name;
}

}  // namespace firmsim
