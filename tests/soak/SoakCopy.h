#pragma once
// One running copy of the program as the soak drives it: the process driver
// with the messages the soak sends and what the system reports of the
// copy's resources.

#include "tests/support/ProgramDriver.h"
#include "tests/support/ServiceProcess.h"

#include <windows.h>

#include <string>

namespace soak {

// What the system reports of a process; Wine leaves some of it at zero for
// processes other than the caller's own (GetGuiResources is not implemented,
// nor PrivateUsage and the handle count across processes).
struct ResourceFigures {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T privateUsage = 0;
    SIZE_T pagefileUsage = 0;
    SIZE_T workingSet = 0;
    DWORD kernelHandles = 0;
    DWORD windows = 0;  // top-level and child windows of the process
};

class SoakCopy : public testsupport::ProcessDriver {
public:
    explicit SoakCopy(const std::string& programFolder) : ProcessDriver(programFolder) {}

    // Returns once the copy has handled everything posted to it so far: a
    // resume event without a suspend before it only asks the service for
    // its state, and the service logs each request.
    bool Drain(const testsupport::ServiceProcess& service) const;

    ResourceFigures Figures() const;
};

}  // namespace soak
