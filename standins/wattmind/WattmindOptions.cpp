#include "standins/wattmind/WattmindOptions.h"

const char kWattmindUsage[] =
    "usage: wattmind [options]\n"
    "  --generation six|four   which companion to be (default six): six shows the\n"
    "                          windows \"Wattmind-6 Engine\" and \"Wattmind Six\",\n"
    "                          four shows \"Wattmind\" and \"Wattmind Four\"\n"
    "  --hidden                keep the windows hidden, as when running in the background\n"
    "  --power-saving on|off   switch the power-saving mode on or off at start\n"
    "                          (firmware item 0x0B060001; default: leave it as it is)\n"
    "  --log FILE              append one line per message 1055 received:\n"
    "                          \"1055 WPARAM LPARAM OUTCOME\", the outcome being\n"
    "                          high-performance, switch-failed or ignored (no tag 85)\n"
    "  --ready-event NAME      set this named event once the windows exist\n"
    "  --help                  show this and end\n";

namespace {

bool Choose(const std::string& value, const char* first, const char* second, bool& isFirst) {
    if (value != first && value != second) return false;
    isFirst = value == first;
    return true;
}

}  // namespace

bool ParseWattmindOptions(int argc, char** argv, WattmindOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--hidden") {
            options.hidden = true;
            continue;
        }
        const bool takesValue = option == "--generation" || option == "--power-saving" || option == "--log" ||
                                option == "--ready-event";
        if (!takesValue) {
            error = "unknown option " + option;
            return false;
        }
        if (i + 1 >= argc) {
            error = "missing value after " + option;
            return false;
        }
        const std::string value = argv[++i];
        bool first = false;
        if (option == "--generation") {
            if (!Choose(value, "six", "four", first)) {
                error = "--generation takes six or four, not \"" + value + "\"";
                return false;
            }
            options.generation = first ? Generation::Six : Generation::Four;
        } else if (option == "--power-saving") {
            if (!Choose(value, "on", "off", first)) {
                error = "--power-saving takes on or off, not \"" + value + "\"";
                return false;
            }
            options.powerSaving = first;
        } else if (value.empty()) {
            error = "empty value for " + option;
            return false;
        } else if (option == "--log") {
            options.logFile = value;
        } else {
            options.readyEvent = value;
        }
    }
    return true;
}
