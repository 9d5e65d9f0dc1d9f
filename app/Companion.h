#pragma once
// The power-saving companion program, seen only through its windows and
// one firmware item: while its power-saving mode is on, an overclock must
// switch it back to high performance first.

#include <windows.h>

#include <cstdint>

// Nonzero while the companion's power-saving mode is active; writing 0
// switches it back to high performance.
inline constexpr uint32_t kCompanionSwitchItem = 0x0B060001;

// Whether the companion's application window is on screen.
bool CompanionWindowVisible();
// The companion's main window, newest generation first; nullptr if none.
HWND FindCompanionMainWindow();
