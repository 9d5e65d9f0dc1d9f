#include "standins/sysctrl/PipeServer.h"

#include "standins/sysctrl/ServiceAnswer.h"

namespace {

constexpr DWORD kChunk = 4096;

}  // namespace

PipeServer::PipeServer(const ServiceOptions& options)
    : m_options(options), m_fullName("\\\\.\\PIPE\\" + options.pipeName) {}

PipeServer::~PipeServer() {
    if (m_log) std::fclose(m_log);
}

base::FileHandle PipeServer::CreateInstance() const {
    return base::FileHandle(CreateNamedPipeA(m_fullName.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                        PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                                        PIPE_UNLIMITED_INSTANCES, kChunk, kChunk, 0, nullptr));
}

int PipeServer::Run() {
    m_ioDone = base::KernelHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!m_options.stopEvent.empty())
        m_stop = base::KernelHandle(CreateEventA(nullptr, TRUE, FALSE, m_options.stopEvent.c_str()));
    if (!m_options.logFile.empty()) m_log = std::fopen(m_options.logFile.c_str(), "ab");
    if (!m_ioDone || (!m_options.stopEvent.empty() && !m_stop) ||
        (!m_options.logFile.empty() && !m_log))
        return 1;

    base::FileHandle current = CreateInstance();
    if (!current) return 1;
    if (!m_options.readyEvent.empty()) {
        base::KernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, m_options.readyEvent.c_str()));
        if (ready) SetEvent(ready.Get());
    }

    DWORD served = 0;
    while (m_options.maxRequests == 0 || served < m_options.maxRequests) {
        Outcome connected = Connect(current.Get());
        if (connected == Outcome::Stopped) break;
        base::FileHandle next = CreateInstance();
        if (connected == Outcome::Done) {
            if (Serve(current.Get()) == Outcome::Stopped) break;
            ++served;
        }
        DisconnectNamedPipe(current.Get());
        if (!next) return 1;
        current = std::move(next);
    }
    return 0;
}

PipeServer::Outcome PipeServer::Await(HANDLE pipe, OVERLAPPED& overlapped, BOOL started, DWORD& transferred,
                                      DWORD& error) {
    error = ERROR_SUCCESS;
    if (!started) {
        error = GetLastError();
        if (error != ERROR_IO_PENDING) return Outcome::Failed;
        HANDLE handles[2] = {overlapped.hEvent, m_stop.Get()};
        DWORD count = m_stop ? 2 : 1;
        if (WaitForMultipleObjects(count, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
            CancelIo(pipe);
            GetOverlappedResult(pipe, &overlapped, &transferred, TRUE);
            return Outcome::Stopped;
        }
    }
    if (GetOverlappedResult(pipe, &overlapped, &transferred, TRUE)) {
        error = ERROR_SUCCESS;
        return Outcome::Done;
    }
    error = GetLastError();
    return Outcome::Failed;
}

PipeServer::Outcome PipeServer::Connect(HANDLE pipe) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = m_ioDone.Get();
    ResetEvent(overlapped.hEvent);
    BOOL started = ConnectNamedPipe(pipe, &overlapped);
    if (!started && GetLastError() == ERROR_PIPE_CONNECTED) return Outcome::Done;
    DWORD transferred = 0, error = 0;
    return Await(pipe, overlapped, started, transferred, error);
}

PipeServer::Outcome PipeServer::ReadRequest(HANDLE pipe, std::vector<BYTE>& request) {
    request.clear();
    for (;;) {
        const size_t at = request.size();
        request.resize(at + kChunk);
        OVERLAPPED overlapped{};
        overlapped.hEvent = m_ioDone.Get();
        ResetEvent(overlapped.hEvent);
        DWORD transferred = 0, error = 0;
        BOOL started = ReadFile(pipe, request.data() + at, kChunk, nullptr, &overlapped);
        Outcome outcome = Await(pipe, overlapped, started, transferred, error);
        request.resize(at + transferred);
        if (outcome == Outcome::Failed && error == ERROR_MORE_DATA) continue;
        return outcome;
    }
}

PipeServer::Outcome PipeServer::Serve(HANDLE pipe) {
    std::vector<BYTE> request;
    Outcome outcome = ReadRequest(pipe, request);
    if (outcome != Outcome::Done) return outcome;
    Log(FormatRequest(request));

    if (m_options.delayMilliseconds > 0 && m_stop &&
        WaitForSingleObject(m_stop.Get(), m_options.delayMilliseconds) == WAIT_OBJECT_0)
        return Outcome::Stopped;
    if (m_options.delayMilliseconds > 0 && !m_stop) Sleep(m_options.delayMilliseconds);

    std::vector<BYTE> answer = BuildAnswer(request, m_options);
    OVERLAPPED overlapped{};
    overlapped.hEvent = m_ioDone.Get();
    ResetEvent(overlapped.hEvent);
    DWORD transferred = 0, error = 0;
    BOOL started = WriteFile(pipe, answer.data(), static_cast<DWORD>(answer.size()), nullptr, &overlapped);
    if (Await(pipe, overlapped, started, transferred, error) == Outcome::Stopped) return Outcome::Stopped;

    // The caller's one-shot transaction closes its end after reading; wait
    // for that so the answer is never discarded by an early disconnect.
    std::vector<BYTE> ignored;
    outcome = ReadRequest(pipe, ignored);
    while (outcome == Outcome::Done) outcome = ReadRequest(pipe, ignored);
    return outcome == Outcome::Stopped ? Outcome::Stopped : Outcome::Done;
}

void PipeServer::Log(const std::string& line) {
    if (!m_log) return;
    std::fputs(line.c_str(), m_log);
    std::fputc('\n', m_log);
    std::fflush(m_log);
}
