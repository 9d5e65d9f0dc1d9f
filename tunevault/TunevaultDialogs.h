#pragma once
// The library's dialogs, made once by the creation entry point and kept
// until the process ends.

#include "tunevault/ProfileDialogController.h"

#include <memory>
#include <string>

namespace frame {
class Application;
}

namespace tunevault {

class TAskDialog;
class TDialogCover;
class TProfileDialog;
class TProfileShadowForm;

class TunevaultDialogs {
public:
    // nullptr until Create has run.
    static TunevaultDialogs* Instance();
    // Hands the library's forms to the program's application object and
    // makes the dialogs; a second call does nothing.
    static void Create(frame::Application& host);

    TunevaultDialogs(const TunevaultDialogs&) = delete;
    TunevaultDialogs& operator=(const TunevaultDialogs&) = delete;
    ~TunevaultDialogs();

    int ShowSaveDialog(bool topmostShadow);
    int Question(const std::string& message, int x, int y, AnswerSet answers, bool danger);

private:
    TunevaultDialogs();

    std::unique_ptr<TProfileDialog> m_profileDialog;
    std::unique_ptr<TProfileShadowForm> m_profileShadow;
    std::unique_ptr<TAskDialog> m_askDialog;
    std::unique_ptr<TDialogCover> m_cover;
};

}  // namespace tunevault
