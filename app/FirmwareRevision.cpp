#include "app/FirmwareRevision.h"

#include "kiln/arvex/BiosInterface.h"
#include "standins/firmlink/firmlink.h"

#include <cstdint>

namespace {

bool AskFirmware() {
    FirmInitialize();
    // The revision is the top byte of the interface information's fourth
    // element; firmware that offers fewer elements is older.
    uint32_t version = 0;
    kiln::ReadInterfaceInfo(&version, 1, 1);
    return (version & 0xFF000000u) >= 0x03000000u;
}

}  // namespace

bool FirmwareRevision3OrLater() {
    static const bool answer = AskFirmware();
    return answer;
}
