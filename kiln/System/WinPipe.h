#pragma once
// A named-pipe client handle. The system-control client only needs the
// one-shot transaction (Call), which opens and closes its own connection, so
// the handle kept here stays invalid in that use.

#include <windows.h>

namespace kiln {

template <typename char_t>
class BasicNamedPipe {
public:
    // Passing this as the time-out waits without limit for a free instance.
    static constexpr DWORD kWaitForever = NMPWAIT_WAIT_FOREVER;

    BasicNamedPipe() = default;
    BasicNamedPipe(const BasicNamedPipe&) = delete;
    BasicNamedPipe& operator=(const BasicNamedPipe&) = delete;
    ~BasicNamedPipe() { Close(); }

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

    // One transaction on \\<server>\PIPE\<pipe>: connect, write the request,
    // read one message, close. Failure is reported to the debugger output;
    // the received count is still set when part of an over-long answer came.
    bool Call(const char_t* server, const char_t* pipe, const void* request, DWORD requestLength, void* response,
              DWORD responseCapacity, DWORD* bytesReceived, DWORD timeout);

    // True when nothing is open; otherwise closes the handle.
    bool Close();

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

using NamedPipeA = BasicNamedPipe<char>;
using NamedPipeW = BasicNamedPipe<wchar_t>;

extern template class BasicNamedPipe<char>;
extern template class BasicNamedPipe<wchar_t>;

}  // namespace kiln
