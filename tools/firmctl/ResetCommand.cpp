#include "tools/firmctl/Commands.h"
#include "tools/firmctl/Output.h"
#include "tools/firmctl/SimulatorExtras.h"

namespace firmctl {

int ResetBoard(int argc, char**) {
    if (argc != 0) {
        Fail("usage: firmctl reset");
        return kExitUnsupported;
    }
    SimulatorExtras extras;
    if (!extras.CanReset()) {
        Fail("reset works only on the simulated board; this firmware library cannot reset");
        return kExitUnsupported;
    }
    if (!extras.Reset()) {
        Fail("the simulated board refused to reset");
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace firmctl
