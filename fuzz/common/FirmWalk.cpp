// The package-walking ordinals (6, 7, 9, 10) of the native fuzz builds: the
// simulated library's own walking code, without the journal and call counts
// of its DLL entry points. The fuzzed firmware supplies the other ordinals.

#include "standins/firmlink/Package.h"
#include "vendor/firmlink.h"

extern "C" {

void* __stdcall FirmFirstElement(void* buffer) {
    return firmsim::FirstElement(buffer);
}

uint32_t __stdcall FirmElementCount(void* buffer) {
    return firmsim::ElementCount(buffer);
}

void* __stdcall FirmElementData(void* element) {
    return firmsim::ElementData(element);
}

void* __stdcall FirmNextElement(void* element) {
    return firmsim::NextElement(element);
}

}  // extern "C"
