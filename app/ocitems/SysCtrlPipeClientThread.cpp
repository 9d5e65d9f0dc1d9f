#include "app/ocitems/SysCtrlPipeClientThread.h"

#include "app/ocitems/SysCtrlPipeClient.h"
#include "kiln/System/WinPipe.h"

SysCtrlPipeClientThread::SysCtrlPipeClientThread(SysCtrlPipeClient& client, const void* request,
                                                 DWORD requestLength, BYTE* response, DWORD responseCapacity,
                                                 DWORD* bytesReceived, volatile LONG* readyFlag)
    : m_client(client),
      m_request(static_cast<const BYTE*>(request), static_cast<const BYTE*>(request) + requestLength),
      m_response(response),
      m_responseCapacity(responseCapacity),
      m_bytesReceived(bytesReceived),
      m_readyFlag(readyFlag) {}

void SysCtrlPipeClientThread::Execute() {
    kiln::NamedPipeA pipe;
    bool ok = pipe.Call(".", SysCtrlPipeClient::kPipeName, m_request.data(), static_cast<DWORD>(m_request.size()),
                        m_response, m_responseCapacity, m_bytesReceived, kiln::NamedPipeA::kWaitForever);
    m_client.m_callStatus = ok ? TRUE : FALSE;
    // From here on the client may start the next call, so nothing of the
    // client is touched after the flag is handed back.
    InterlockedExchange(m_readyFlag, 1);
    pipe.Close();
}
