// The library's entry points; nothing thrown inside may leave them.

#include "vendor/velolib.h"

#include "standins/velolib/AppliedState.h"
#include "standins/velolib/ProfileWriter.h"

extern "C" uint32_t __stdcall VeloWriteProfile(const char* path) {
    try {
        if (!path || !*path) return 0;
        std::vector<velolib::Setting> settings;
        if (!velolib::ReadAppliedState(settings)) return 0;
        return velolib::WriteProfileFile(path, settings, velolib::WriteModeFromEnvironment()) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
