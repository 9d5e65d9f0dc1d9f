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

// The user interface runs on one thread; so do the marks.
int g_depth = 0;
std::vector<PendingMarks> g_pending;

}  // namespace

void MarkForRepaint(HWND window, const RECT& area, bool erase) {
    if (g_depth == 0) {
        InvalidateRect(window, &area, erase ? TRUE : FALSE);
        return;
    }
    for (PendingMarks& pending : g_pending) {
        if (pending.window != window || pending.erase != erase) continue;
        base::GdiRegion added(CreateRectRgnIndirect(&area));
        CombineRgn(pending.area.Get(), pending.area.Get(), added.Get(), RGN_OR);
        return;
    }
    g_pending.push_back(PendingMarks{window, erase, base::GdiRegion(CreateRectRgnIndirect(&area))});
}

void FlushRepaintMarks() {
    // Taken first: marking may send messages that end in another flush.
    std::vector<PendingMarks> pending;
    pending.swap(g_pending);
    for (PendingMarks& marks : pending)
        if (IsWindow(marks.window)) InvalidateRgn(marks.window, marks.area.Get(), marks.erase ? TRUE : FALSE);
}

MessageMarkScope::MessageMarkScope() {
    ++g_depth;
}

MessageMarkScope::~MessageMarkScope() {
    --g_depth;
    FlushRepaintMarks();
}

}  // namespace frame
