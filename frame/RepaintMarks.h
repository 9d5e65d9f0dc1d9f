#pragma once
// Marks for repaint gathered while a window message is handled. One mouse
// move may change several windowless controls (a slider's knob, its fill and
// its value): each mark alone is a round trip to the window server. Inside a
// message they are collected per window; when the outermost message has been
// handled, a window that paints itself whole (double-buffered and opaque)
// and shows paints them at once, and any other is marked for WM_PAINT as one
// region. The WM_PAINT cycle alone asks the window server half a dozen
// times (update region, caret, visible region), more than the painting.

#include <windows.h>

namespace frame {

// Sent by the hand-over to a window with marks: wParam is the marked region
// (client coordinates, still owned by the sender). A window that painted it
// at once answers nonzero; otherwise the region is marked for WM_PAINT.
constexpr UINT kPaintMarksNow = WM_APP + 0x3F00;

// Marks `area` of `window` for repaint: at once outside a message, else when
// the message currently handled ends.
void MarkForRepaint(HWND window, const RECT& area, bool erase);

// Paints every mark still held where its window can, and marks the rest for
// WM_PAINT; true when there were marks and all of them were painted.
bool PaintMarksNow();

// Marks everything still held for WM_PAINT: called before a loop inside a
// handler waits for messages, so that what the handler changed is painted
// while the loop runs.
void MarkHeldForPaint();

// Held while a window message is handled; the marks made meanwhile are its
// own. The outermost message paints them when it ends; one handled inside
// it marks them for WM_PAINT.
class MessageMarkScope {
public:
    MessageMarkScope();
    ~MessageMarkScope();
    MessageMarkScope(const MessageMarkScope&) = delete;
    MessageMarkScope& operator=(const MessageMarkScope&) = delete;
};

}  // namespace frame
