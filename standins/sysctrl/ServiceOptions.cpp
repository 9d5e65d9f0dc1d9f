#include "standins/sysctrl/ServiceOptions.h"

#include <cerrno>
#include <cstdlib>

const char kServiceUsage[] =
    "usage: sysctrl-service [options]\n"
    "  --pipe NAME          pipe name (default \"ARVEX SYSTEM CONTROL PIPE\")\n"
    "  --state N            state word of the state answer (default 0)\n"
    "  --second N           second value of the state answer (default 0)\n"
    "  --result N           result word of every answer (default 1)\n"
    "  --reply-bytes N      cut or zero-pad every answer to N bytes\n"
    "  --delay MS           wait this long before answering each request\n"
    "  --log FILE           append one line per request: its length and words\n"
    "  --max-requests N     end after answering N requests\n"
    "  --stop-event NAME    end when this named event is set\n"
    "  --ready-event NAME   set this named event once the pipe is listening\n"
    "Numbers may be decimal or 0x-prefixed hexadecimal.\n";

namespace {

bool ParseNumber(const char* text, DWORD& value) {
    char* end = nullptr;
    errno = 0;
    unsigned long parsed = std::strtoul(text, &end, 0);
    if (end == text || *end != '\0' || errno != 0 || text[0] == '-') return false;
    value = static_cast<DWORD>(parsed);
    return true;
}

}  // namespace

bool ParseServiceOptions(int argc, char** argv, ServiceOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            error = "missing value after " + option;
            return false;
        }
        const char* value = argv[++i];
        DWORD number = 0;
        auto number_for = [&](DWORD& target) {
            if (!ParseNumber(value, number)) {
                error = "not a number for " + option + ": " + value;
                return false;
            }
            target = number;
            return true;
        };
        if (option == "--pipe") {
            options.pipeName = value;
        } else if (option == "--log") {
            options.logFile = value;
        } else if (option == "--stop-event") {
            options.stopEvent = value;
        } else if (option == "--ready-event") {
            options.readyEvent = value;
        } else if (option == "--state") {
            if (!number_for(options.state)) return false;
        } else if (option == "--second") {
            if (!number_for(options.secondValue)) return false;
        } else if (option == "--result") {
            if (!number_for(options.result)) return false;
        } else if (option == "--delay") {
            if (!number_for(options.delayMilliseconds)) return false;
        } else if (option == "--max-requests") {
            if (!number_for(options.maxRequests)) return false;
        } else if (option == "--reply-bytes") {
            DWORD bytes = 0;
            if (!number_for(bytes)) return false;
            options.replyBytes = bytes;
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    if (options.pipeName.empty()) {
        error = "empty pipe name";
        return false;
    }
    return true;
}
