#include "base/Diagnostics.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace base {
namespace {

std::atomic<MessageHandler> g_messageHandler{nullptr};
std::atomic<AssertHandler> g_assertHandler{nullptr};

}  // namespace

int ShowMessage(const char* text, const char* caption, UINT flags) {
    if (MessageHandler handler = g_messageHandler.load()) return handler(text, caption, flags);
    return MessageBoxA(nullptr, text, caption, flags);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return g_messageHandler.exchange(handler);
}

void AssertFailed(const char* condition, const char* source, int line) {
    char message[1024];
    std::snprintf(message, sizeof message, "Assertion failed: %s, file %s, line %d", condition, source,
                  line);
    if (AssertHandler handler = g_assertHandler.load()) handler(message);
    OutputDebugStringA(message);
    MessageBoxA(nullptr, message, "Assertion failed", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    std::abort();
}

AssertHandler SetAssertHandler(AssertHandler handler) {
    return g_assertHandler.exchange(handler);
}

}  // namespace base
