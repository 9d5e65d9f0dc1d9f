#pragma once
// The two ways code speaks up without a window of its own: a message box with
// no owner (user-facing failures of the firmware layer) and an assertion that
// stops the program (programming errors). Each goes through a
// replaceable handler so that tests can observe them without anyone clicking.
//
// Nothing here needs the Windows headers, so units that only report (the
// firmware item parsers) stay plain C++; base/Diagnostics.h adds them for
// callers that pass message box flags.

namespace base {

// Shows a message box with no owner window; returns the button pressed.
// `flags` are the message box flags; 0 (MB_OK) gives one OK button.
int ShowMessage(const char* text, const char* caption, unsigned int flags = 0);

using MessageHandler = int (*)(const char* text, const char* caption, unsigned int flags);
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
