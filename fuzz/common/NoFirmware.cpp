// Ordinals of a firmware that answers nothing, for native fuzz programs that
// use the program's item code on packages they build themselves.

#include "standins/firmlink/Package.h"
#include "vendor/firmlink.h"

extern "C" {

uint32_t __stdcall FirmInitialize() { return 0; }
uint32_t __stdcall FirmWriteItem(uint32_t, uint32_t, uint32_t) { return 0; }
uint32_t __stdcall FirmReadItem(uint32_t, uint32_t*) { return 0; }
uint32_t __stdcall FirmReadItemLimit(uint32_t, uint32_t, uint32_t*) { return 0; }

uint32_t __stdcall FirmInterfaceInfo(void* buffer, uint32_t* size) {
    firmsim::WriteEmptyPackage(buffer, size);
    return 0;
}

uint32_t __stdcall FirmListGroup(uint32_t, void* buffer, uint32_t* size) {
    firmsim::WriteEmptyPackage(buffer, size);
    return 0;
}

uint32_t __stdcall FirmDescribeItem(const void*, void* buffer, uint32_t* size) {
    firmsim::WriteEmptyPackage(buffer, size);
    return 0;
}

uint32_t __stdcall FirmReadStoredProfile(uint32_t, uint32_t, void*, uint32_t*) { return 0; }

}  // extern "C"
