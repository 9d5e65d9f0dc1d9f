#pragma once
// Brings a window to the front even when the system's foreground rules
// would only flash its taskbar entry: a program shown by a tray click or by
// another program's request is not the one the user last typed into.

#include <windows.h>

namespace kiln {

void ForceForeground(HWND window);

}  // namespace kiln
