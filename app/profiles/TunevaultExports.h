#pragma once
// The dialog library's entry points as the program binds them at run time:
// "Tunevault.dll" from the program's folder, each entry looked up by name.
// C linkage and the C calling convention in both builds. Strings are
// zero-terminated 8-bit strings the caller owns, read only during the call;
// x and y are the dialog's top-left corner in screen pixels. Results are
// modal results. TunevaultCreate comes first, once, with the program's
// application object, which then owns the dialogs.

namespace frame {
class Application;
}

namespace tunevault_api {

inline constexpr char kLibraryFile[] = "Tunevault.dll";

using CreateFn = void(__cdecl*)(frame::Application* host);
// The save-profile dialog: 1 saved, 2 cancelled, closed or already showing.
using ShowModalFn = int(__cdecl*)();
// Question and warning dialogs: 6 yes, 7 no, 1 OK, 2 closed or already showing.
using MessageDialogFn = int(__cdecl*)(const char* message, int x, int y);

inline constexpr char kCreate[] = "TunevaultCreate";                    // CreateFn
inline constexpr char kShowModal[] = "TunevaultShowModal";              // ShowModalFn
inline constexpr char kShowModalSp[] = "TunevaultShowModalSp";          // ShowModalFn
inline constexpr char kAskDialog[] = "TunevaultAskDialog";              // MessageDialogFn
inline constexpr char kWarnDialog[] = "TunevaultWarnDialog";            // MessageDialogFn
inline constexpr char kAskDialogDanger[] = "TunevaultAskDialogDanger";  // MessageDialogFn

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;

}  // namespace tunevault_api
