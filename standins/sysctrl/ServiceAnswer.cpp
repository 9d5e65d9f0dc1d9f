#include "standins/sysctrl/ServiceAnswer.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kSettingsChanged = 0x80000000;
constexpr DWORD kStateQuery = 0x80000001;

void AppendWord(std::vector<BYTE>& bytes, DWORD word) {
    const size_t at = bytes.size();
    bytes.resize(at + 4);
    std::memcpy(bytes.data() + at, &word, 4);
}

}  // namespace

std::vector<BYTE> BuildAnswer(const std::vector<BYTE>& request, const ServiceOptions& options) {
    DWORD command = 0;
    if (request.size() >= 4) std::memcpy(&command, request.data(), 4);
    std::vector<BYTE> answer;
    if (command == kSettingsChanged) {
        AppendWord(answer, options.result);
    } else if (command == kStateQuery) {
        AppendWord(answer, options.result);
        AppendWord(answer, options.state);
        AppendWord(answer, options.secondValue);
    } else {
        AppendWord(answer, 0);
    }
    if (options.replyBytes) answer.resize(*options.replyBytes, 0);
    return answer;
}

std::string FormatRequest(const std::vector<BYTE>& request) {
    std::string line = std::to_string(request.size()) + ":";
    char piece[16];
    size_t at = 0;
    for (; at + 4 <= request.size(); at += 4) {
        DWORD word;
        std::memcpy(&word, request.data() + at, 4);
        std::snprintf(piece, sizeof piece, " %08lX", static_cast<unsigned long>(word));
        line += piece;
    }
    for (; at < request.size(); ++at) {
        std::snprintf(piece, sizeof piece, " %02X", request[at]);
        line += piece;
    }
    return line;
}
