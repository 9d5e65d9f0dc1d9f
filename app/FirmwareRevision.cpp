#include "app/FirmwareRevision.h"

#include "kiln/arvex/BiosInterface.h"
#include "vendor/firmlink.h"

#include <cstdint>
#include <optional>

// The answer is kept for the process once the firmware has given one. A call
// that fails answers with an empty package, which says nothing about the
// firmware's age: that call counts as older firmware, and the next use asks
// again instead of deciding for the rest of the process.
bool FirmwareRevision3OrLater() {
    static std::optional<bool> answer;
    if (answer) return *answer;
    FirmInitialize();
    // The revision is the top byte of the interface information's fourth
    // element; firmware that offers fewer elements is older.
    uint32_t version = 0;
    uint32_t elements = 0;
    kiln::ReadInterfaceInfo(&version, 1, 1, &elements);
    const bool later = (version & 0xFF000000u) >= 0x03000000u;
    if (elements > 0) answer = later;
    return later;
}
