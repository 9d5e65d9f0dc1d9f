#pragma once
// The stand-in service's pipe server: serves one client after another on a
// message-mode pipe. While a client is served the next instance is already
// listening, so a caller never finds the pipe missing between two clients.

#include "base/Handles.h"
#include "standins/sysctrl/ServiceOptions.h"

#include <cstdio>
#include <string>
#include <vector>

class PipeServer {
public:
    explicit PipeServer(const ServiceOptions& options);
    PipeServer(const PipeServer&) = delete;
    PipeServer& operator=(const PipeServer&) = delete;
    ~PipeServer();

    // Serves until the request limit or the stop event; returns the process
    // exit code (0, or 1 when the pipe or an event could not be created).
    int Run();

private:
    enum class Outcome { Done, Stopped, Failed };

    base::FileHandle CreateInstance() const;
    Outcome Await(HANDLE pipe, OVERLAPPED& overlapped, BOOL started, DWORD& transferred, DWORD& error);
    Outcome Connect(HANDLE pipe);
    Outcome ReadRequest(HANDLE pipe, std::vector<BYTE>& request);
    Outcome Serve(HANDLE pipe);
    void Log(const std::string& line);

    const ServiceOptions& m_options;
    std::string m_fullName;
    base::KernelHandle m_stop;
    base::KernelHandle m_ioDone;
    std::FILE* m_log = nullptr;
};
