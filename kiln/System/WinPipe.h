#pragma once
// A named-pipe client. The system-control client only needs the one-shot
// transaction (Call), which opens and closes its own connection.

#include <windows.h>

namespace kiln {

template <typename char_t>
class BasicNamedPipe {
public:
    // Passing this as the time-out waits without limit for a free instance.
    static constexpr DWORD kWaitForever = NMPWAIT_WAIT_FOREVER;

    // One transaction on \\<server>\PIPE\<pipe>: connect, write the request,
    // read one message, close. Failure is reported to the debugger output;
    // the received count is still set when part of an over-long answer came.
    bool Call(const char_t* server, const char_t* pipe, const void* request, DWORD requestLength, void* response,
              DWORD responseCapacity, DWORD* bytesReceived, DWORD timeout);
};

using NamedPipeA = BasicNamedPipe<char>;
using NamedPipeW = BasicNamedPipe<wchar_t>;

extern template class BasicNamedPipe<char>;
extern template class BasicNamedPipe<wchar_t>;

}  // namespace kiln
