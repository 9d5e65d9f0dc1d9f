#pragma once
// Tunevault.dll loaded from the program folder by path and bound by name,
// as the program binds it, and created once with this test program's
// application object.

#include "app/profiles/TunevaultExports.h"

#include <windows.h>

namespace tunevaulttest {

struct TunevaultLibrary {
    HMODULE module = nullptr;
    tunevault_api::ShowModalFn showModal = nullptr;
    tunevault_api::ShowModalFn showModalSp = nullptr;
    tunevault_api::MessageDialogFn ask = nullptr;
    tunevault_api::MessageDialogFn warn = nullptr;
    tunevault_api::MessageDialogFn danger = nullptr;
};

// Loads, binds and creates on first use; a test that finds no library fails.
const TunevaultLibrary& Library();

// One pixel of a bitmap built into the library (CLR_INVALID without it).
COLORREF BuiltInPixel(const char* name, POINT at);

}  // namespace tunevaulttest
