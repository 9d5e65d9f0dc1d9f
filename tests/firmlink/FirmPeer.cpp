// A second process on the same simulated machine, for tests that need one:
//   FirmPeer read <item>          prints the value, exit code 0 on success
//   FirmPeer cold-read <item>     the same without initialising the library first
//   FirmPeer write <item> <value> exit code 0 when the write succeeded
//   FirmPeer write-many <item> <first> <last>
//                                 writes first, first + 1, ... last in turn;
//                                 exit code 0 when every write succeeded
//   FirmPeer reset-many <count>   resets the machine <count> times in a row
//   FirmPeer groups               prints the result of listing group 3 and the
//                                 library's last board error
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "standins/firmlink/FirmSim.h"

namespace {

uint32_t Number(const char* text) { return static_cast<uint32_t>(std::strtoul(text, nullptr, 0)); }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string command = argv[1];
    if (command != "cold-read") FirmInitialize();
    if ((command == "read" || command == "cold-read") && argc == 3) {
        uint32_t value = 0;
        if (!(FirmReadItem(Number(argv[2]), &value) & 1)) return 1;
        std::printf("0x%08X\n", static_cast<unsigned>(value));
        return 0;
    }
    if (command == "write" && argc == 4) return (FirmWriteItem(Number(argv[2]), Number(argv[3]), 2) & 1) ? 0 : 1;
    if (command == "write-many" && argc == 5) {
        int failed = 0;
        for (uint32_t value = Number(argv[3]); value <= Number(argv[4]); ++value)
            if (!(FirmWriteItem(Number(argv[2]), value, 2) & 1)) failed = 1;
        return failed;
    }
    if (command == "reset-many" && argc == 3) {
        auto reset = FirmSimFunction<FirmResetFn>("FirmSimReset");
        if (!reset) return 1;
        for (uint32_t left = Number(argv[2]); left > 0; --left)
            if (!reset()) return 1;
        return 0;
    }
    if (command == "groups") {
        unsigned char buffer[kFirmPackageCapacity];
        uint32_t size = sizeof buffer;
        const uint32_t listed = FirmListGroup(3, buffer, &size);
        auto lastError = FirmSimFunction<FirmLastErrorFn>("FirmSimLastError");
        std::printf("%u\n%s\n", static_cast<unsigned>(listed), lastError ? lastError() : "?");
        return 0;
    }
    return 2;
}
