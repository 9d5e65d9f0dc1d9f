#pragma once
// Command line of the companion stand-in; kWattmindUsage lists the options.

#include <optional>
#include <string>

enum class Generation { Six, Four };

struct WattmindOptions {
    Generation generation = Generation::Six;
    bool hidden = false;
    std::optional<bool> powerSaving;  // switched at start when given
    std::string logFile;
    std::string readyEvent;
};

extern const char kWattmindUsage[];

// Fills `options`; on a bad command line returns false with `error` set.
bool ParseWattmindOptions(int argc, char** argv, WattmindOptions& options, std::string& error);
