#pragma once
// Tunevault.dll loaded from the program folder by path and bound by name,
// as the program binds it, and created once with this test program's
// application window.

#include "app/TunevaultLibrary.h"
#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"

#include <windows.h>

namespace tunevaulttest {

// The dialogs' windows and scripts are the tests' shared support.
using namespace testsupport;

inline constexpr int kOk = ::TunevaultLibrary::kOk;
inline constexpr int kCancel = ::TunevaultLibrary::kClosed;
inline constexpr int kYes = ::TunevaultLibrary::kYes;
inline constexpr int kNo = ::TunevaultLibrary::kNo;

struct TunevaultLibrary {
    HMODULE module = nullptr;
    ::TunevaultLibrary::ShowModalFn showModal = nullptr;
    ::TunevaultLibrary::ShowModalFn showModalSp = nullptr;
    ::TunevaultLibrary::MessageDialogFn ask = nullptr;
    ::TunevaultLibrary::MessageDialogFn warn = nullptr;
    ::TunevaultLibrary::MessageDialogFn danger = nullptr;
};

// Which answer buttons the question dialog has marked visible.
struct Offered {
    bool yes = false, no = false, ok = false;
    bool operator==(const Offered&) const = default;
};
inline constexpr Offered kYesNo{true, true, false};
inline constexpr Offered kOkAlone{false, false, true};
Offered OfferedAnswers();

// Loads, binds and creates on first use; a test that finds no library fails.
const TunevaultLibrary& Library();

// One pixel of a bitmap built into the library (CLR_INVALID without it).
COLORREF BuiltInPixel(const char* name, POINT at);

}  // namespace tunevaulttest
