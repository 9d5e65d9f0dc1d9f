#pragma once
// Command line of the stand-in service.
//
//   --pipe NAME          pipe name (default "ARVEX SYSTEM CONTROL PIPE")
//   --state N            state word of the state answer (default 0)
//   --second N           second value of the state answer (default 0)
//   --result N           result word of every answer (default 1)
//   --reply-bytes N      cut or zero-pad every answer to N bytes
//   --delay MS           wait this long before answering each request
//   --log FILE           append one line per request: its length and words
//   --max-requests N     end after answering N requests
//   --stop-event NAME    end when this named event is set
//   --ready-event NAME   set this named event once the pipe is listening
// Numbers may be decimal or 0x-prefixed hexadecimal.

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

// Fills `options`; on a bad command line returns false with `error` set.
bool ParseServiceOptions(int argc, char** argv, ServiceOptions& options, std::string& error);
