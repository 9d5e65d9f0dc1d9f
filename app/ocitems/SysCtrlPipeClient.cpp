#include "app/ocitems/SysCtrlPipeClient.h"

#include "app/ocitems/SysCtrlPipeClientThread.h"
#include "base/DebugOutput.h"

#include <cstring>

namespace {

// 1 while no call is in flight; moved only by atomic exchange.
volatile LONG g_ready = 1;

DWORD ResponseWord(const BYTE* response, int index) {
    DWORD word;
    std::memcpy(&word, response + 4 * index, sizeof word);
    return word;
}

}  // namespace

SysCtrlPipeClient& SysCtrlPipeClient::Instance() {
    static SysCtrlPipeClient* const instance = new SysCtrlPipeClient();
    return *instance;
}

SysCtrlPipeClient::SysCtrlPipeClient() : m_response(new BYTE[kResponseCapacity]()) {}

bool SysCtrlPipeClient::CallSysCtrlService(const void* request, DWORD length) {
    if (InterlockedExchange(&g_ready, 0) != 1) {
        base::DebugReport("CallSysCtrlService Failed, the previous request is not completed yet.");
        return false;
    }
    m_callStatus = false;
    m_bytesReceived = 0;
    m_pending = std::make_shared<SysCtrlPipeResult>(kResponseCapacity);

    auto* worker = new SysCtrlPipeClientThread(request, length, m_pending, &g_ready);
    worker->SetFreeOnTerminate(true);
    m_worker = worker->DuplicateWaitHandle();
    if (!worker->Resume()) {
        // Never started, so it will not free itself nor release the flag.
        delete worker;
        m_worker = {};
        m_pending.reset();
        InterlockedExchange(&g_ready, 1);
        base::DebugReport("CallSysCtrlService Failed, the worker thread could not be started.");
        return false;
    }
    if (m_worker.Wait(kWaitMilliseconds) != WAIT_OBJECT_0) {
        base::DebugReport("CallSysCtrlService Failed, Waiting error or Timeout.");
        return false;
    }
    TakeResult();
    // Even a failed transaction is judged by its result word when one arrived
    // (an over-long answer), and a successful one that carried fewer than four
    // bytes is not: its result word would be left over from an earlier call.
    if (m_bytesReceived < 4) return false;
    return ResponseWord(m_response.get(), 0) == 1;
}

bool SysCtrlPipeClient::NotifySettingsChanged(DWORD argument1, DWORD argument2, DWORD argument3) {
    const DWORD request[4] = {kSettingsChangedCommand, argument1, argument2, argument3};
    return CallSysCtrlService(request, sizeof request);
}

bool SysCtrlPipeClient::QueryState(DWORD& state, DWORD& secondValue) {
    const DWORD request[1] = {kStateQueryCommand};
    if (!CallSysCtrlService(request, sizeof request) || PayloadLength() < 8) return false;
    state = ResponseWord(m_response.get(), 1);
    secondValue = ResponseWord(m_response.get(), 2);
    return true;
}

bool SysCtrlPipeClient::WaitForPendingCall(DWORD milliseconds) {
    if (!m_worker.IsValid()) return true;
    if (m_worker.Wait(milliseconds) != WAIT_OBJECT_0) return false;
    m_worker = {};
    TakeResult();
    return true;
}

void SysCtrlPipeClient::TakeResult() {
    if (!m_pending) return;
    const DWORD bytes = m_pending->bytesReceived < kResponseCapacity ? m_pending->bytesReceived : kResponseCapacity;
    std::memcpy(m_response.get(), m_pending->response.data(), bytes);
    m_bytesReceived = m_pending->bytesReceived;
    m_callStatus = m_pending->succeeded;
    m_pending.reset();
}
