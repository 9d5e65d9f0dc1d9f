#include "app/mainwindow/KeyboardAccess.h"

#include "app/mainwindow/FocusMark.h"
#include "app/mainwindow/WidgetHost.h"
#include "frame/Application.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>

namespace {

bool IsButtonPress(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: return true;
    default: return false;
    }
}

// Alt is read from the message itself (bit 29, the context code), so that
// a key the system sends without a window holding the focus, which arrives
// as a system key, still counts as plain.
KeyPress ReadKey(const MSG& message) {
    KeyPress key;
    key.key = message.wParam;
    key.alt = message.message == WM_SYSKEYDOWN && (message.lParam & (1 << 29)) != 0;
    key.control = GetKeyState(VK_CONTROL) < 0;
    key.shift = GetKeyState(VK_SHIFT) < 0;
    key.repeated = (message.lParam & (1 << 30)) != 0;
    return key;
}

int CentreY(const RECT& rect) {
    return (rect.top + rect.bottom) / 2;
}

}  // namespace

KeyboardAccess::KeyboardAccess(WidgetHost& window) : m_window(window) {
    m_hook = frame::Application::Instance().AddMessageHook(
        [this](MSG& message, bool& handled) { FilterMessage(message, handled); });
    kiln::AccessibleContent& content = *this;
    m_accessible = std::make_unique<kiln::AccessibleWindow>(m_window.Surface().Handle(), content);
    m_window.AnswerAccessibilityWith(m_accessible.get());
}

KeyboardAccess::~KeyboardAccess() {
    m_window.AnswerAccessibilityWith(nullptr);
    frame::Application::Instance().RemoveMessageHook(m_hook);
    if (m_mark) m_window.Surface().RemoveControl(m_mark);
}

FocusStop& KeyboardAccess::Add(std::unique_ptr<FocusStop> stop) {
    FocusStop& added = *stop;
    const int child = static_cast<int>(m_stops.size()) + 1;
    added.OnValueChange = [this, child] { m_accessible->ValueChanged(child); };
    added.OnStateChange = [this, child] { m_accessible->StateChanged(child); };
    m_stops.push_back(std::move(stop));
    return added;
}

void KeyboardAccess::FilterMessage(MSG& message, bool& handled) {
    const bool key = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (!message.hwnd || (!key && !IsButtonPress(message.message))) return;
    const HWND window = m_window.Surface().Handle();
    if (message.hwnd != window && GetAncestor(message.hwnd, GA_ROOT) != window) return;
    if (key)
        handled = KeyDown(ReadKey(message));
    else
        PointerPressed(message.hwnd, message.lParam);
}

bool KeyboardAccess::KeyDown(const KeyPress& key) {
    const auto holder =
        std::find_if(m_stops.begin(), m_stops.end(), [](const auto& stop) { return stop->HoldsKeys(); });
    if (holder != m_stops.end()) {
        Focus(holder->get());
        if ((*holder)->Press(key)) {
            ShowMark(true);
            return true;
        }
    }
    if (key.key == VK_TAB && !key.alt) {
        if (!key.control)
            MoveFocus(key.shift);
        else if (OnSwitchPage)
            if (FocusStop* page = OnSwitchPage()) Focus(page);
        ShowMark(true);
        return true;
    }
    if (key.Plain(VK_ESCAPE)) {
        if (OnEscape) OnEscape();
        return true;
    }
    if (!m_focused || !Available(*m_focused) || !m_focused->Press(key)) return false;
    ShowMark(true);
    return true;
}

// The press hides the mark; a press on a stop also brings the focus there,
// as a click on a Windows control does.
void KeyboardAccess::PointerPressed(HWND window, LPARAM position) {
    ShowMark(false);
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    MapWindowPoints(window, m_window.Surface().Handle(), &point, 1);
    for (const auto& stop : m_stops) {
        const RECT bounds = stop->Bounds();
        if (Available(*stop) && PtInRect(&bounds, point)) {
            MoveFocusTo(stop.get(), false);
            return;
        }
    }
}

void KeyboardAccess::Focus(FocusStop* stop) {
    MoveFocusTo(stop, true);
}

// A key's move gives the window itself the keys, so that no control the
// mouse pressed before keeps its lit face beside the mark; the mouse's
// leaves the system's focus where the press puts it.
void KeyboardAccess::MoveFocusTo(FocusStop* stop, bool byKey) {
    const HWND window = m_window.Surface().Handle();
    if (byKey && GetFocus() != window && GetActiveWindow() == window) SetFocus(window);
    if (stop == m_focused) return;
    m_focused = stop;
    UpdateMark();
    if (stop) m_accessible->FocusChanged(ChildId(stop));
}

// From the stop the focus stands on to the next (or previous) one that can
// take it. A stop that went unavailable under the focus (Apply, once
// applied) keeps its place in the order; from a hidden one or from none the
// focus goes to the first (or last).
void KeyboardAccess::MoveFocus(bool backward) {
    const bool keepsPlace = m_focused && m_focused->Visible();
    const std::vector<FocusStop*> order = ReadingOrder(keepsPlace ? m_focused : nullptr);
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto at = std::find(order.begin(), order.end(), m_focused);
    std::ptrdiff_t next = at != order.end() ? at - order.begin() : (backward ? 0 : -1);
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        next = (next + (backward ? count - 1 : 1)) % count;
        if (Available(*order[static_cast<size_t>(next)])) {
            Focus(order[static_cast<size_t>(next)]);
            return;
        }
    }
}

// Top to bottom, left to right: a stop whose middle lies within the height
// of a row's first stop belongs to that row. Every available stop, and
// `also` whatever its state.
std::vector<FocusStop*> KeyboardAccess::ReadingOrder(const FocusStop* also) const {
    std::vector<FocusStop*> stops;
    for (const auto& stop : m_stops)
        if (Available(*stop) || stop.get() == also) stops.push_back(stop.get());
    std::stable_sort(stops.begin(), stops.end(),
                     [](const FocusStop* a, const FocusStop* b) { return a->Bounds().top < b->Bounds().top; });
    std::vector<FocusStop*> order;
    size_t rowStart = 0;
    for (size_t i = 0; i <= stops.size(); ++i) {
        const bool rowEnds = i == stops.size() || CentreY(stops[i]->Bounds()) >= stops[rowStart]->Bounds().bottom;
        if (!rowEnds) continue;
        std::vector<FocusStop*> row(stops.begin() + static_cast<std::ptrdiff_t>(rowStart),
                                    stops.begin() + static_cast<std::ptrdiff_t>(i));
        std::stable_sort(row.begin(), row.end(),
                         [](const FocusStop* a, const FocusStop* b) { return a->Bounds().left < b->Bounds().left; });
        order.insert(order.end(), row.begin(), row.end());
        rowStart = i;
    }
    return order;
}

int KeyboardAccess::ChildId(const FocusStop* stop) const {
    for (size_t i = 0; i < m_stops.size(); ++i)
        if (m_stops[i].get() == stop) return static_cast<int>(i) + 1;
    return 0;
}

void KeyboardAccess::ShowMark(bool shown) {
    if (shown == m_markShown) {
        if (shown) UpdateMark();
        return;
    }
    m_markShown = shown;
    UpdateMark();
}

// Keys move and resize what the mark outlines (a page switch moves the
// Apply row), so it is placed again after every key.
void KeyboardAccess::UpdateMark() {
    const bool visible = m_markShown && m_focused && Available(*m_focused);
    if (!visible) {
        if (m_mark) m_mark->SetVisible(false);
        return;
    }
    if (!m_mark) m_mark = m_window.Surface().MakeChild<FocusMark>();
    m_mark->Surround(m_focused->Bounds());
}

kiln::AccessibleFacts KeyboardAccess::Child(int child) const {
    const FocusStop& stop = *m_stops.at(static_cast<size_t>(child - 1));
    kiln::AccessibleFacts facts = stop.Facts();
    facts.bounds = stop.Bounds();
    if (!stop.Visible()) facts.state |= STATE_SYSTEM_INVISIBLE;
    if (Available(stop)) facts.state |= STATE_SYSTEM_FOCUSABLE;
    if (&stop == m_focused) facts.state |= STATE_SYSTEM_FOCUSED;
    return facts;
}

void KeyboardAccess::DoDefaultAction(int child) {
    m_stops.at(static_cast<size_t>(child - 1))->DoDefaultAction();
}
