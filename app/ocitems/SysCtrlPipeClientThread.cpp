#include "app/ocitems/SysCtrlPipeClientThread.h"

#include "kiln/System/WinPipe.h"

SysCtrlPipeClientThread::SysCtrlPipeClientThread(const void* request, DWORD requestLength,
                                                 std::shared_ptr<SysCtrlPipeResult> result, volatile LONG* readyFlag)
    : m_request(static_cast<const BYTE*>(request), static_cast<const BYTE*>(request) + requestLength),
      m_result(std::move(result)),
      m_readyFlag(readyFlag) {}

void SysCtrlPipeClientThread::Execute() {
    kiln::NamedPipeA pipe;
    SysCtrlPipeResult& result = *m_result;
    result.succeeded = pipe.Call(".", kPipeName, m_request.data(),
                                 static_cast<DWORD>(m_request.size()), result.response.data(),
                                 static_cast<DWORD>(result.response.size()), &result.bytesReceived,
                                 kiln::NamedPipeA::kWaitForever);
    // From here on the client may start the next call; the result stays this
    // worker's (and the client's, through the share) whatever it does.
    InterlockedExchange(m_readyFlag, 1);
}
