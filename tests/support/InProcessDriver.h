#pragma once
// The program's own start-up run in the test process, once for the test
// program, and the program driven from the test's thread: dialogs run
// their loops inside the presses that open them, so questions are answered
// from inside those loops. Windowless controls are reached through the
// frame's control tree as well.

#include "app/Main.h"
#include "tests/support/ProgramDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace testsupport {

class InProcessDriver : public ProgramDriver {
public:
    // The application and the main window, hidden, as start-up makes them
    // first; for tests that put widgets of their own on the window.
    static void StartWindow();
    // All of start-up: the window, then its shadow and the controller with
    // the layout and the dialog library.
    static void StartProgram();
    // StartProgram() as a test environment, to be added at static
    // initialisation so that it runs before any environment main() adds.
    static ::testing::Environment* ProgramStart();

    static TMainForm& Window() { return *MainForm; }
    HWND MainWindow() const override { return MainForm->Handle(); }
    template <class T>
    static T& Find(const std::string& name) {
        T* control = FindControl<T>(*MainForm, name);
        if (!control) throw std::runtime_error("no control named " + name);
        return *control;
    }

    using ProgramDriver::Click;
    void Click(frame::WinControl& control) const { Click(control.Handle()); }
    std::vector<std::string> ClickAnswering(frame::WinControl& control, const std::vector<const char*>& answers) const {
        return ClickAnswering(control.Handle(), answers);
    }
    // Also fails a question too many.
    std::vector<std::string> Answering(const std::function<void()>& action,
                                       const std::vector<const char*>& answers) const override;
    std::vector<std::string> ClickAnswering(HWND window, const std::vector<const char*>& answers) const override;
    // As Answering, each question answered by a key pressed on it.
    std::vector<std::string> AnsweringWithKeys(const std::function<void()>& action,
                                               const std::vector<WPARAM>& keys) const;
    // Runs the program's own message handling, its hooks included.
    bool WaitFor(const std::function<bool()>& done, DWORD milliseconds = 10000) const override;

private:
    // Runs `action`, answering `count` questions in order with `answer(i)`.
    static std::vector<std::string> AnsweringEach(const std::function<void()>& action, size_t count,
                                                  const std::function<void(size_t)>& answer);
};

}  // namespace testsupport
