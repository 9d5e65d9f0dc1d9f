#pragma once
// Reports meant for a developer, not the user: one line each on the debugger
// output stream. The sink is replaceable so tests can read what was reported;
// reports may come from any thread, so a sink must be thread-safe.

namespace base {

// Formats printf-style into at most 4093 characters, replaces any trailing
// white space with a single "\r\n" and hands the line to the sink.
void DebugReport(const char* format, ...) __attribute__((format(printf, 1, 2)));

using DebugOutputSink = void (*)(const char* line);
// Replaces the sink (default: OutputDebugStringA); returns the previous one.
// nullptr restores the default.
DebugOutputSink SetDebugOutputSink(DebugOutputSink sink);

}  // namespace base
