#include "base/DebugOutput.h"

#include <windows.h>

#include <atomic>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace base {
namespace {

std::atomic<DebugOutputSink> g_sink{nullptr};

// Room for the text, CR LF and the terminator.
constexpr size_t kBufferSize = 4096;
constexpr size_t kMaxText = kBufferSize - 3;

}  // namespace

void DebugReport(const char* format, ...) {
    char buffer[kBufferSize];
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(buffer, kMaxText + 1, format, args);
    va_end(args);
    size_t length = written < 0 ? 0 : std::strlen(buffer);
    while (length > 0 && std::isspace(static_cast<unsigned char>(buffer[length - 1]))) --length;
    buffer[length++] = '\r';
    buffer[length++] = '\n';
    buffer[length] = '\0';
    if (DebugOutputSink sink = g_sink.load())
        sink(buffer);
    else
        OutputDebugStringA(buffer);
}

DebugOutputSink SetDebugOutputSink(DebugOutputSink sink) {
    return g_sink.exchange(sink);
}

}  // namespace base
