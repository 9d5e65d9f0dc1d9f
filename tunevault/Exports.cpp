// The entry points: plain data and handles in and out, and nothing thrown
// inside may reach the program, which is built apart from this library.

#include "tunevault/Exports.h"

#include "base/DebugOutput.h"
#include "frame/Types.h"
#include "tunevault/TunevaultDialogs.h"

#include <exception>

namespace {

using tunevault::AnswerSet;
using tunevault::TunevaultDialogs;

// Runs `show` against the dialogs; a call before creation, or one that
// fails, answers "cancelled" so the caller goes no further.
template <class Show>
int Guarded(const char* entry, Show show) {
    try {
        TunevaultDialogs* dialogs = TunevaultDialogs::Instance();
        if (!dialogs) {
            base::DebugReport("Tunevault: %s before TunevaultCreate", entry);
            return frame::modal::Cancel;
        }
        return show(*dialogs);
    } catch (const std::exception& error) {
        base::DebugReport("Tunevault: %s failed: %s", entry, error.what());
    } catch (...) {
        base::DebugReport("Tunevault: %s failed", entry);
    }
    return frame::modal::Cancel;
}

int Question(const char* entry, const char* message, int x, int y, AnswerSet answers, bool danger) {
    return Guarded(entry, [&](TunevaultDialogs& dialogs) {
        return dialogs.Question(message ? message : "", x, y, answers, danger);
    });
}

}  // namespace

extern "C" {

void __cdecl TunevaultCreate(HWND programApplication, HWND programMainWindow) {
    try {
        if (IsWindow(programApplication)) TunevaultDialogs::Create(programApplication, programMainWindow);
    } catch (const std::exception& error) {
        base::DebugReport("Tunevault: TunevaultCreate failed: %s", error.what());
    } catch (...) {
        base::DebugReport("Tunevault: TunevaultCreate failed");
    }
}

int __cdecl TunevaultShowModal() {
    return Guarded("TunevaultShowModal", [](TunevaultDialogs& dialogs) { return dialogs.ShowSaveDialog(false); });
}

int __cdecl TunevaultShowModalSp() {
    return Guarded("TunevaultShowModalSp", [](TunevaultDialogs& dialogs) { return dialogs.ShowSaveDialog(true); });
}

int __cdecl TunevaultAskDialog(const char* message, int x, int y) {
    return Question("TunevaultAskDialog", message, x, y, AnswerSet::YesNo, false);
}

int __cdecl TunevaultWarnDialog(const char* message, int x, int y) {
    return Question("TunevaultWarnDialog", message, x, y, AnswerSet::Ok, false);
}

int __cdecl TunevaultAskDialogDanger(const char* message, int x, int y) {
    return Question("TunevaultAskDialogDanger", message, x, y, AnswerSet::YesNo, true);
}

}  // extern "C"
