#pragma once
// Command line of the stand-in service; kServiceUsage lists the options.

#include <windows.h>

#include <optional>
#include <string>

struct ServiceOptions {
    std::string pipeName = "ARVEX SYSTEM CONTROL PIPE";
    DWORD state = 0;
    DWORD secondValue = 0;
    DWORD result = 1;
    std::optional<DWORD> replyBytes;
    DWORD delayMilliseconds = 0;
    std::string logFile;
    DWORD maxRequests = 0;  // 0: no limit
    std::string stopEvent;
    std::string readyEvent;
};

extern const char kServiceUsage[];

// Fills `options`; on a bad command line returns false with `error` set.
bool ParseServiceOptions(int argc, char** argv, ServiceOptions& options, std::string& error);
