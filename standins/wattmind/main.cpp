// wattmind: a stand-in for the maker's power-saving companion, for tests and
// for playing its part by hand beside the tuning program.

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "base/Handles.h"
#include "standins/wattmind/CompanionWindows.h"
#include "standins/wattmind/MessageLog.h"
#include "standins/wattmind/PowerSwitch.h"
#include "standins/wattmind/WattmindOptions.h"
#include "vendor/firmlink.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitBadCommandLine = 2;

int Fail(int code, const std::string& message, bool withUsage = false) {
    std::fprintf(stderr, "wattmind: %s\n%s", message.c_str(), withUsage ? kWattmindUsage : "");
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kWattmindUsage, stdout);
            return 0;
        }
    WattmindOptions options;
    std::string error;
    if (!ParseWattmindOptions(argc, argv, options, error)) return Fail(kExitBadCommandLine, error, true);
    const MessageLog log(options.logFile);
    if (!log.Usable(error)) return Fail(kExitBadCommandLine, error);

    FirmInitialize();
    if (options.powerSaving && !PowerSwitch::Write(*options.powerSaving))
        return Fail(kExitFailed, std::string("the firmware refused to switch power saving ") +
                                     (*options.powerSaving ? "on" : "off") + " (item 0x0B060001)");

    CompanionWindows windows(options, log);
    if (!windows.Create(error)) return Fail(kExitFailed, error);
    if (!options.readyEvent.empty()) {
        base::KernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, options.readyEvent.c_str()));
        if (ready) SetEvent(ready.Get());
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
