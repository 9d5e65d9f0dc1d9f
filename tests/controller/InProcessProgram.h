#pragma once
// The program's own start-up run in the test process, on the board the
// test run names (FIRMLINK_BOARD): main window, shadow, controller, layout,
// dialog library and tray icon, exactly as the program makes them. Tests
// click the window's controls, found by name, and answer the dialogs that
// come from inside their loops.

#include "app/Main.h"
#include "app/mainwindow/VeltruneLayout.h"
#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/Diagnostics.h"
#include "tests/support/FindControl.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace controllertest {

class InProcessProgram : public ::testing::Test {
protected:
    // The board's values back to the file's, every bar showing them, the
    // window compact and hidden, nothing waiting to be applied.
    void SetUp() override;
    void TearDown() override;

    static TMainForm& Window() { return *MainForm; }
    static VeltruneLayout& Layout() { return VeltruneLayout::Instance(); }
    template <class T>
    static T& Find(const std::string& name) {
        T* control = testsupport::FindControl<T>(Window(), name);
        if (!control) throw std::runtime_error("no control named " + name);
        return *control;
    }
    static AdvBar& BarOf(uint32_t item);
    // "Bar<item>.<part>" of a slider.
    static std::string Part(uint32_t item, const char* part);

    // A press and release at the control's centre, as the mouse gives them.
    static void Click(frame::WinControl& control);
    // Clicks and answers each question that comes, in order, with the named
    // buttons ("YesButton", "NoButton", "OkButton"); returns the messages
    // asked. A question more or fewer fails the test.
    static std::vector<std::string> ClickAnswering(frame::WinControl& control, std::vector<const char*> answers);
    // Runs `action` the same way.
    static std::vector<std::string> Answering(const std::function<void()>& action, std::vector<const char*> answers);

    static bool ApplyEnabled();
    // Runs the program's own message handling (its hooks included) until
    // `done` answers true or five seconds have passed.
    static bool PumpProgramUntil(const std::function<bool()>& done);
    // The value writes (core selections left out) since the last Forget().
    std::vector<std::string> Writes() const;
    void Forget();

    std::unique_ptr<JournalScope> journal;

private:
    size_t m_forgotten = 0;
};

}  // namespace controllertest
