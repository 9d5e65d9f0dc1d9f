#pragma once
// What a person sees of another process: its message boxes, whether one of
// them is an assertion, and how many threads it runs.

#include <windows.h>

#include <string>

namespace testsupport {

// The first visible message box (dialog class) of the process, or nullptr.
HWND MessageBoxOf(DWORD processId);
// Its caption and the texts of its children, one per line.
std::string TextOf(HWND box);
// True when a window of the process carries the caption "Assertion failed".
bool AssertionShown(DWORD processId);
// The threads the process runs now.
size_t ThreadsOf(DWORD processId);

}  // namespace testsupport
