#pragma once
// Brings a window to the front even when the system's foreground rules would
// only flash its taskbar button: the program was started or woken by another
// one, so it is not the foreground program when it has to show itself.

#include <windows.h>

namespace kiln {

void ForceForeground(HWND window);

}  // namespace kiln
