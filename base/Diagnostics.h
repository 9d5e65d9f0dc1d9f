#pragma once
// The two ways code speaks up without a window of its own: a message box with
// no owner (user-facing failures of the firmware layer) and an assertion that
// stops the program (programming errors). Each goes through a
// replaceable handler so that tests can observe them without anyone clicking.

#include <windows.h>

namespace base {

// Shows a message box with no owner window; returns the button pressed.
int ShowMessage(const char* text, const char* caption, UINT flags = MB_OK);

using MessageHandler = int (*)(const char* text, const char* caption, UINT flags);
// Replaces the message box; returns the previous handler. nullptr restores
// the real message box.
MessageHandler SetMessageHandler(MessageHandler handler);

// Reports "Assertion failed: <condition>, file <source>, line <line>" and
// stops the program. A handler installed by a test may throw instead of
// returning; if it returns, the program still stops.
[[noreturn]] void AssertFailed(const char* condition, const char* source, int line);

using AssertHandler = void (*)(const char* message);
AssertHandler SetAssertHandler(AssertHandler handler);

}  // namespace base

// `source` is the unit's path as the system names it, for example
// "kiln/arvex/Source/BiosInterface", independent of where the file is built.
#define BASE_ASSERT(condition, source) \
    ((condition) ? (void)0 : ::base::AssertFailed(#condition, source, __LINE__))
