#pragma once
// Marks for repaint gathered while a window message is handled. One mouse
// move may change several windowless controls (a slider's knob, its fill and
// its value): each mark alone is a round trip to the window server. Inside a
// message they are collected per window and handed over as one region when
// the message has been handled, before anything is painted.

#include <windows.h>

namespace frame {

// Marks `area` of `window` for repaint: at once outside a message, else when
// the message currently handled ends.
void MarkForRepaint(HWND window, const RECT& area, bool erase);

// Hands over every mark still held (before painting on demand).
void FlushRepaintMarks();

// Held while a window message is handled. Each message hands over the marks
// when it ends, nested ones included: a modal loop inside a handler paints
// what its own messages marked.
class MessageMarkScope {
public:
    MessageMarkScope();
    ~MessageMarkScope();
    MessageMarkScope(const MessageMarkScope&) = delete;
    MessageMarkScope& operator=(const MessageMarkScope&) = delete;
};

}  // namespace frame
