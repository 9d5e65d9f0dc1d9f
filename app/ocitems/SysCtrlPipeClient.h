#pragma once
// Client of the system-control service, a separate process listening on a
// message-mode named pipe. Each call runs the pipe transaction on a worker
// thread so that a hung service holds the caller for at most ten seconds;
// only one call may be in flight in the whole process.

#include "app/ocitems/SysCtrlPipeClientThread.h"
#include "frame/Thread.h"

#include <windows.h>

#include <memory>

class SysCtrlPipeClient {
public:
    static constexpr const char* kPipeName = SysCtrlPipeClientThread::kPipeName;
    static constexpr DWORD kResponseCapacity = 4096;
    static constexpr DWORD kWaitMilliseconds = 10000;
    static constexpr DWORD kSettingsChangedCommand = 0x80000000;
    static constexpr DWORD kStateQueryCommand = 0x80000001;

    // Created on first use and never destroyed.
    static SysCtrlPipeClient& Instance();

    SysCtrlPipeClient(const SysCtrlPipeClient&) = delete;
    SysCtrlPipeClient& operator=(const SysCtrlPipeClient&) = delete;

    // Sends the request and waits for the answer; true when the answer's
    // first word is 1. Refused at once while an earlier call is in flight.
    virtual bool CallSysCtrlService(const void* request, DWORD length);

    // Tells the service that firmware settings are about to change or have
    // changed; the arguments are the service's business.
    virtual bool NotifySettingsChanged(DWORD argument1, DWORD argument2, DWORD argument3);

    // Asks for the service's state; true only when the answer carries both
    // words, which are then stored in the outputs.
    virtual bool QueryState(DWORD& state, DWORD& secondValue);

    // The answer after the result word, valid until the next call.
    const BYTE* Payload() const { return m_response.get() + 4; }
    DWORD PayloadLength() const { return m_bytesReceived >= 4 ? m_bytesReceived - 4 : 0; }

    // Whether the last finished pipe transaction succeeded as a whole; an
    // over-long answer fails it even though its result word is judged.
    bool LastTransactionSucceeded() const { return m_callStatus; }

    // Waits for a call that outlived its caller's wait to finish and takes
    // its answer as the last one; true when no call is in flight any more.
    bool WaitForPendingCall(DWORD milliseconds);

protected:
    SysCtrlPipeClient();
    virtual ~SysCtrlPipeClient() = default;

private:
    // Only once the worker has ended: the wait on its handle orders its
    // writes before these reads.
    void TakeResult();

    // Read and written by the calling thread alone.
    bool m_callStatus = false;
    std::unique_ptr<BYTE[]> m_response;
    DWORD m_bytesReceived = 0;
    frame::Thread::WaitHandle m_worker;
    std::shared_ptr<SysCtrlPipeResult> m_pending;
};
