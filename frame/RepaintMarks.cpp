#include "frame/RepaintMarks.h"

#include "base/Handles.h"

#include <vector>

namespace frame {
namespace {

struct PendingMarks {
    HWND window;
    bool erase;
    base::GdiRegion area;
};

using MarkList = std::vector<PendingMarks>;

// One list per message being handled, the innermost last. The user
// interface runs on one thread; so do the marks.
std::vector<MarkList> g_levels;

// True when there were marks and every one was painted at once.
bool HandOver(MarkList pending, bool paintNow) {
    bool allPainted = true;
    for (PendingMarks& marks : pending) {
        if (!IsWindow(marks.window)) continue;
        // Sending on one thread is a call, not a round trip.
        if (paintNow && !marks.erase &&
            SendMessageA(marks.window, kPaintMarksNow, reinterpret_cast<WPARAM>(marks.area.Get()), 0))
            continue;
        InvalidateRgn(marks.window, marks.area.Get(), marks.erase ? TRUE : FALSE);
        allPainted = false;
    }
    return allPainted && !pending.empty();
}

// Every level's marks, taken out first: painting and marking may send
// messages that hand over again.
MarkList TakeAll() {
    MarkList all;
    for (MarkList& level : g_levels) {
        for (PendingMarks& marks : level) all.push_back(std::move(marks));
        level.clear();
    }
    return all;
}

}  // namespace

void MarkForRepaint(HWND window, const RECT& area, bool erase) {
    if (g_levels.empty()) {
        InvalidateRect(window, &area, erase ? TRUE : FALSE);
        return;
    }
    MarkList& level = g_levels.back();
    for (PendingMarks& pending : level) {
        if (pending.window != window || pending.erase != erase) continue;
        base::GdiRegion added(CreateRectRgnIndirect(&area));
        CombineRgn(pending.area.Get(), pending.area.Get(), added.Get(), RGN_OR);
        return;
    }
    level.push_back(PendingMarks{window, erase, base::GdiRegion(CreateRectRgnIndirect(&area))});
}

bool PaintMarksNow() {
    return HandOver(TakeAll(), true);
}

void MarkHeldForPaint() {
    HandOver(TakeAll(), false);
}

MessageMarkScope::MessageMarkScope() {
    g_levels.emplace_back();
}

MessageMarkScope::~MessageMarkScope() {
    MarkList own = std::move(g_levels.back());
    g_levels.pop_back();
    // A message handled inside another (one sent while handling it) leaves
    // the outer marks alone, and its own to WM_PAINT: the outer handler may
    // change more yet.
    HandOver(std::move(own), g_levels.empty());
}

}  // namespace frame
