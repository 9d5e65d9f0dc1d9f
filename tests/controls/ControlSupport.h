#pragma once
// A visible form to put controls on, and the mouse and keyboard as a person
// would drive them: the pointer really moves, the messages go to the window.

#include "frame/Application.h"
#include "frame/Form.h"

#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "tests/support/MessagePump.h"

namespace testing_controls {

// One form serves every test of the program: destroying a form is slow
// under Wine, and each test starts from an empty form with no modal result.
class FormTest : public ::testing::Test {
protected:
    testsupport::ThrowingAsserts asserts;
    static frame::Form& SharedForm() {
        static std::unique_ptr<frame::Form> shared = [] {
            auto made = std::make_unique<frame::Form>();
            made->SetBorderStyle(frame::BorderStyle::None);
            made->SetBounds(40, 40, 320, 240);
            made->Show();
            return made;
        }();
        return *shared;
    }
    void SetUp() override {
        form = &SharedForm();
        Pump();
        form->SetModalResult(frame::modal::None);
        SetForegroundWindow(form->Handle());
        SetFocus(form->Handle());
    }
    void TearDown() override {
        for (frame::Control* control : form->Controls()) form->RemoveControl(control);
        Pump();
    }

    template <class T, class... Args>
    T* Add(int left, int top, int width, int height, Args&&... args) {
        T* control = form->MakeChild<T>(std::forward<Args>(args)...);
        control->SetBounds(left, top, width, height);
        control->HandleNeeded();
        return control;
    }

    static void Pump() { testsupport::PumpMessages(); }

    static LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }
    static void PlacePointer(HWND window, int x, int y) {
        POINT screen{x, y};
        ClientToScreen(window, &screen);
        SetCursorPos(screen.x, screen.y);
    }
    static void Move(frame::WinControl& c, int x, int y, bool leftHeld = false) {
        PlacePointer(c.Handle(), x, y);
        SendMessageA(c.Handle(), WM_MOUSEMOVE, leftHeld ? MK_LBUTTON : 0, Point(x, y));
    }
    static void Down(frame::WinControl& c, int x, int y) {
        PlacePointer(c.Handle(), x, y);
        SendMessageA(c.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    }
    static void Up(frame::WinControl& c, int x, int y) {
        SendMessageA(c.Handle(), WM_LBUTTONUP, 0, Point(x, y));
    }
    static void KeyDown(frame::WinControl& c, WPARAM key) { SendMessageA(c.Handle(), WM_KEYDOWN, key, 1); }
    static void KeyUp(frame::WinControl& c, WPARAM key) {
        SendMessageA(c.Handle(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    }

    frame::Form* form = nullptr;
};

}  // namespace testing_controls
