// firmctl: a console window on the board firmware, through the same item
// layer the program uses. See Commands.h for what each command does.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "base/Diagnostics.h"
#include "tools/firmctl/Commands.h"
#include "tools/firmctl/Output.h"
#include "tools/firmctl/SimulatorExtras.h"
#include "vendor/firmlink.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int argc, char** argv);
};

constexpr Command kCommands[] = {
    {"items", firmctl::ListItems},     {"steps", firmctl::ShowSteps}, {"get", firmctl::GetItem},
    {"set", firmctl::SetItem},         {"profiles", firmctl::ListProfiles},
    {"reset", firmctl::ResetBoard},
};

// The item layer reports conversion failures in message boxes; a console
// tool must never wait for a click.
int PrintMessage(const char* text, const char* caption, UINT) {
    firmctl::Fail("%s: %s", caption, text);
    return IDOK;
}

int Usage() {
    std::fputs(
        "usage: firmctl [--count] COMMAND\n"
        "  items GROUP            list a group's items\n"
        "  steps ITEM             list an item's steps\n"
        "  get ITEM               show an item's current step\n"
        "  set ITEM INDEX [MODE]  write a step index (mode 2 unless given)\n"
        "  profiles               list the firmware's built-in profiles\n"
        "  reset                  return the simulated board to its board file's values\n"
        "  --count                afterwards, show the firmware calls made\n"
        "Numbers are decimal, or hexadecimal with 0x.\n",
        stderr);
    return firmctl::kExitUnsupported;
}

void PrintCounts(const firmctl::SimulatorExtras& extras) {
    firmctl::Print("ordinal\tcalls\n");
    for (uint32_t ordinal = 1; ordinal <= 13; ++ordinal)
        if (ordinal != 8) firmctl::Print("%u\t%u\n", ordinal, extras.CallCount(ordinal));
}

}  // namespace

int main(int argc, char** argv) {
    // No crash or critical-error dialogs: a script is waiting, not a person.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    // Tab-separated output for scripts: lines end in a bare line feed.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The simulated board reports a refused board file in a message box too,
    // unless told otherwise; on standard error is enough here.
    if (!GetEnvironmentVariableA("FIRMLINK_QUIET", nullptr, 0)) SetEnvironmentVariableA("FIRMLINK_QUIET", "1");
    base::SetMessageHandler(PrintMessage);

    int first = 1;
    bool count = false;
    if (first < argc && std::strcmp(argv[first], "--count") == 0) {
        count = true;
        ++first;
    }
    if (first >= argc) return Usage();
    const Command* command = nullptr;
    for (const Command& candidate : kCommands)
        if (std::strcmp(argv[first], candidate.name) == 0) command = &candidate;
    if (!command) {
        firmctl::Fail("unknown command: %s", argv[first]);
        return Usage();
    }

    firmctl::SimulatorExtras extras;
    if (count && !extras.CanCount()) {
        firmctl::Fail("--count works only on the simulated board; this firmware library keeps no counts");
        return firmctl::kExitUnsupported;
    }
    extras.ResetCounts();
    FirmInitialize();
    int result = command->run(argc - first - 1, argv + first + 1);
    if (count) PrintCounts(extras);
    std::fflush(stdout);
    return result;
}
