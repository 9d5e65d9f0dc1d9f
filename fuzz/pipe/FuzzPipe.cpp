// Answers of the system-control service, read by the real SysCtrlPipeClient
// and its worker thread. This program is the service: a thread of its own
// serves the pipe, answering each request with the input's bytes after the
// first; the first byte picks the request (even: state query, odd: settings
// notice). What the client reports must follow from the answer alone.

#include "app/ocitems/SysCtrlPipeClient.h"
#include "fuzz/common/MutationLoop.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr size_t kLongestAnswer = 16384;

struct Exchange {
    std::mutex lock;
    std::vector<uint8_t> answer;
    std::vector<uint8_t> request;
};
Exchange g_exchange;

DWORD WINAPI Serve(void* pipe) {
    const HANDLE handle = static_cast<HANDLE>(pipe);
    std::vector<uint8_t> request(8192);
    for (;;) {
        if (!ConnectNamedPipe(handle, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED) return 1;
        DWORD got = 0;
        if (ReadFile(handle, request.data(), static_cast<DWORD>(request.size()), &got, nullptr)) {
            std::vector<uint8_t> answer;
            {
                std::lock_guard guard(g_exchange.lock);
                g_exchange.request.assign(request.begin(), request.begin() + got);
                answer = g_exchange.answer;
            }
            DWORD written = 0;
            WriteFile(handle, answer.data(), static_cast<DWORD>(answer.size()), &written, nullptr);
            // Waiting for the client to hang up keeps the answer from being
            // discarded unread by the disconnect.
            uint8_t rest[16];
            while (ReadFile(handle, rest, sizeof rest, &got, nullptr)) {
            }
        }
        DisconnectNamedPipe(handle);
    }
}

uint32_t Word(const std::vector<uint8_t>& bytes, size_t index) {
    uint32_t word = 0;
    std::memcpy(&word, bytes.data() + 4 * index, sizeof word);
    return word;
}

std::string Call(const fuzzloop::Input& input) {
    SysCtrlPipeClient& client = SysCtrlPipeClient::Instance();
    const bool query = input.empty() || input[0] % 2 == 0;
    std::vector<uint8_t> answer(input.begin() + (input.empty() ? 0 : 1), input.end());
    if (answer.size() > kLongestAnswer) answer.resize(kLongestAnswer);
    {
        std::lock_guard guard(g_exchange.lock);
        g_exchange.answer = answer;
        g_exchange.request.clear();
    }
    DWORD state = 0xA5A5A5A5, second = 0x5A5A5A5A;
    const bool result = query ? client.QueryState(state, second) : client.NotifySettingsChanged(7, 0xFFFFFFFF, 3);

    std::vector<uint8_t> request;
    {
        std::lock_guard guard(g_exchange.lock);
        request = g_exchange.request;
    }
    const std::vector<uint8_t> expectedRequest =
        query ? std::vector<uint8_t>{0x01, 0x00, 0x00, 0x80}
              : std::vector<uint8_t>{0x00, 0x00, 0x00, 0x80, 7, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0};
    if (request != expectedRequest) return "the request did not go out byte for byte";

    const size_t received = answer.size() < SysCtrlPipeClient::kResponseCapacity ? answer.size()
                                                                                  : SysCtrlPipeClient::kResponseCapacity;
    const bool accepted = received >= 4 && Word(answer, 0) == 1;
    const size_t payload = received >= 4 ? received - 4 : 0;
    if (client.PayloadLength() != payload) return "payload length " + std::to_string(client.PayloadLength());
    if (payload && std::memcmp(client.Payload(), answer.data() + 4, payload) != 0) return "the payload is not the answer";
    if (client.LastTransactionSucceeded() != (answer.size() <= SysCtrlPipeClient::kResponseCapacity))
        return "the transaction's success does not follow the answer's length";
    if (!query) return result == accepted ? "" : "the notice's result does not follow the result word";
    const bool complete = accepted && payload >= 8;
    if (result != complete) return "the query's result does not follow the answer";
    if (result && (state != Word(answer, 1) || second != Word(answer, 2))) return "the state is not the answer's";
    if (!result && (state != 0xA5A5A5A5 || second != 0x5A5A5A5A)) return "a failed query changed its outputs";
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    const std::string name = std::string("\\\\.\\pipe\\") + SysCtrlPipeClient::kPipeName;
    const HANDLE pipe = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT,
                                         1, 65536, 65536, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE) {
        std::printf("pipe: the pipe cannot be created (error %lu); is a service running?\n", GetLastError());
        return 2;
    }
    CloseHandle(CreateThread(nullptr, 0, &Serve, pipe, 0, nullptr));
    return fuzzloop::Run("pipe", argc, argv, &Call);
}
