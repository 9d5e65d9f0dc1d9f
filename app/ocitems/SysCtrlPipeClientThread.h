#pragma once
// The worker behind one SysCtrlPipeClient call. It copies the request so the
// caller may drop it after a time-out, frees itself when the transaction
// ends, and only then hands the process-wide ready flag back.

#include "frame/Thread.h"

#include <windows.h>

#include <vector>

class SysCtrlPipeClient;

class SysCtrlPipeClientThread : public frame::Thread {
public:
    SysCtrlPipeClientThread(SysCtrlPipeClient& client, const void* request, DWORD requestLength, BYTE* response,
                            DWORD responseCapacity, DWORD* bytesReceived, volatile LONG* readyFlag);

protected:
    void Execute() override;

private:
    SysCtrlPipeClient& m_client;
    std::vector<BYTE> m_request;
    BYTE* m_response;
    DWORD m_responseCapacity;
    DWORD* m_bytesReceived;
    volatile LONG* m_readyFlag;
};
