#pragma once
// The worker behind one SysCtrlPipeClient call. It copies the request so the
// caller may drop it after a time-out, writes the answer into a result it
// shares with the client (nothing of the client itself), frees itself when
// the transaction ends, and only then hands the process-wide ready flag back.

#include "frame/Thread.h"

#include <windows.h>

#include <memory>
#include <vector>

// What one pipe transaction brought back. The worker fills its own, shared
// with the client, so a worker that outlives the client's wait never writes
// anything the client reads meanwhile.
struct SysCtrlPipeResult {
    explicit SysCtrlPipeResult(DWORD capacity) : response(capacity) {}
    std::vector<BYTE> response;
    DWORD bytesReceived = 0;
    bool succeeded = false;
};

class SysCtrlPipeClientThread : public frame::Thread {
public:
    static constexpr const char* kPipeName = "ARVEX SYSTEM CONTROL PIPE";

    SysCtrlPipeClientThread(const void* request, DWORD requestLength, std::shared_ptr<SysCtrlPipeResult> result,
                            volatile LONG* readyFlag);

protected:
    void Execute() override;

private:
    std::vector<BYTE> m_request;
    std::shared_ptr<SysCtrlPipeResult> m_result;
    volatile LONG* m_readyFlag;
};
