#pragma once
// The library's dialogs, made once by the creation entry point and kept
// until the process ends.

#include "tunevault/ProfileDialogController.h"

#include <memory>
#include <string>

#include <windows.h>

namespace tunevault {

class TAskDialog;
class TDialogCover;
class TProfileDialog;
class TProfileShadowForm;

class TunevaultDialogs {
public:
    // nullptr until Create has run.
    static TunevaultDialogs* Instance();
    // Runs the library's forms under the program's application window and
    // makes the dialogs, the question dialog owned by the program's main
    // window; a second call does nothing.
    static void Create(HWND programApplication, HWND programMainWindow);

    TunevaultDialogs(const TunevaultDialogs&) = delete;
    TunevaultDialogs& operator=(const TunevaultDialogs&) = delete;
    ~TunevaultDialogs();

    int ShowSaveDialog(bool topmostShadow);
    int Question(const std::string& message, int x, int y, AnswerSet answers, bool danger);

private:
    explicit TunevaultDialogs(HWND programMainWindow);

    std::unique_ptr<TProfileDialog> m_profileDialog;
    std::unique_ptr<TProfileShadowForm> m_profileShadow;
    std::unique_ptr<TAskDialog> m_askDialog;
    std::unique_ptr<TDialogCover> m_cover;
};

}  // namespace tunevault
