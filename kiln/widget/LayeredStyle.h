#pragma once
// The two extended styles that every layered-window maker of the toolkit
// switches together: layered (colour key or alpha) and transparent (mouse
// input falls through to what lies below).

#include <windows.h>

namespace kiln {

// Sets WS_EX_LAYERED and WS_EX_TRANSPARENT to the wanted states and keeps
// every other extended style. Returns true only when the style was changed,
// so callers can skip a needless redraw.
bool SetLayeredStyles(HWND window, bool layered, bool transparent);

// Repaints the window with its frame and children, erasing first; needed
// after the layered style is dropped, because the system stops composing
// the window from the layered surface and nothing else repaints it.
void RedrawWhole(HWND window);

// Looks up a function of user32.dll by name; older systems lack some of the
// layered-window functions, so absence is an answer, not an error.
FARPROC FindUser32Function(const char* name);

}  // namespace kiln
