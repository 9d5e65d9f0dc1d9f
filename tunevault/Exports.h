#pragma once
// The dialog library's entry points, exported by name with C linkage and the
// C calling convention. Strings are zero-terminated 8-bit strings that the
// caller owns and that are read only during the call; x and y place the
// dialog's top-left corner in screen pixels, unchanged even off the screen.
// Results are modal results: 1 OK or saved, 2 cancelled, closed, already
// showing or failed, 6 yes, 7 no. Nothing the library throws leaves it.

#include <windows.h>

extern "C" {

// Once, before any other entry point: the program's application window,
// which owns the dialogs and whose hooks see every message of their modal
// loops, and its main window, which owns the question dialog (none: the
// application window does). Creates every dialog, hidden.
void __cdecl TunevaultCreate(HWND programApplication, HWND programMainWindow);

// The save-profile dialog; 2 at once when it is already showing.
int __cdecl TunevaultShowModal();
// The same, with the dialog's shadow made topmost and, for a 32-bit process
// on 64-bit Windows, left hidden from now on.
int __cdecl TunevaultShowModalSp();

// A question with "Yes" and "No": 6, 7, or 2 for the close button.
int __cdecl TunevaultAskDialog(const char* message, int x, int y);
// A warning with "OK": 1, or 2 for the close button.
int __cdecl TunevaultWarnDialog(const char* message, int x, int y);
// A question on the alarming artwork, for this showing only.
int __cdecl TunevaultAskDialogDanger(const char* message, int x, int y);
}
