#include "kiln/System/WinPipe.h"

#include "base/DebugOutput.h"

#include <string>

namespace kiln {
namespace {

std::string FullPipeName(const char* server, const char* pipe) {
    return std::string("\\\\") + server + "\\PIPE\\" + pipe;
}

std::wstring FullPipeName(const wchar_t* server, const wchar_t* pipe) {
    return std::wstring(L"\\\\") + server + L"\\PIPE\\" + pipe;
}

BOOL CallPipe(const std::string& name, void* request, DWORD requestLength, void* response, DWORD capacity,
              DWORD* received, DWORD timeout) {
    return CallNamedPipeA(name.c_str(), request, requestLength, response, capacity, received, timeout);
}

BOOL CallPipe(const std::wstring& name, void* request, DWORD requestLength, void* response, DWORD capacity,
              DWORD* received, DWORD timeout) {
    return CallNamedPipeW(name.c_str(), request, requestLength, response, capacity, received, timeout);
}

}  // namespace

template <typename char_t>
bool BasicNamedPipe<char_t>::Call(const char_t* server, const char_t* pipe, const void* request,
                                  DWORD requestLength, void* response, DWORD responseCapacity,
                                  DWORD* bytesReceived, DWORD timeout) {
    const auto name = FullPipeName(server, pipe);
    DWORD received = 0;
    // The system's prototype takes a non-const request although it only reads it.
    BOOL ok = CallPipe(name, const_cast<void*>(request), requestLength, response, responseCapacity, &received,
                       timeout);
    const DWORD error = GetLastError();
    if (bytesReceived) *bytesReceived = received;
    if (!ok) base::DebugReport("[BasicNamedPipe<char_t>::Call] failed, GetLastError returned %d", int(error));
    return ok != FALSE;
}

template class BasicNamedPipe<char>;
template class BasicNamedPipe<wchar_t>;

}  // namespace kiln
