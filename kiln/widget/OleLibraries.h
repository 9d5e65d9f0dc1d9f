#pragma once
// COM, its strings and Active Accessibility, loaded when a screen reader
// first asks a window something rather than by the loader at start-up:
// linked, they put five more libraries between the program's start and its
// first window. Without them, answers fail as they would without a reader.

#include <windows.h>
#include <oleacc.h>

namespace kiln::ole {

// Enters a single-threaded apartment on the calling thread, once per thread;
// it is left when the process ends. False where COM cannot be had.
bool EnterApartment();
BSTR AllocString(const wchar_t* text, UINT length);
HRESULT AccessibleObjectFromWindow(HWND window, DWORD object, REFIID iid, void** out);
LRESULT LresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object);

}  // namespace kiln::ole
