#include "tests/frame/FrameTestSupport.h"

#include "tests/support/Diagnostics.h"

#include <gtest/gtest.h>

#include <string>

using frametest::App;

namespace {

class LayeredForm : public frame::Form {
protected:
    void CreateParams(frame::WindowParams& params) override {
        frame::Form::CreateParams(params);
        params.className = "FrameTestLayeredForm";
        params.exStyle |= WS_EX_LAYERED;
    }
};

TEST(ApplicationTest, HiddenOwnerWindowCarriesTheTitle) {
    frame::Application& app = App();
    app.SetTitle("Frame Test");
    char className[64] = {}, caption[64] = {};
    GetClassNameA(app.Handle(), className, sizeof className);
    GetWindowTextA(app.Handle(), caption, sizeof caption);
    EXPECT_STREQ(className, "TApplication");
    EXPECT_STREQ(caption, "Frame Test");
    EXPECT_FALSE(IsWindowVisible(app.Handle()));
}

TEST(FormTest, OverriddenCreateParamsDecideClassAndStyles) {
    App();
    LayeredForm form;
    form.SetCaption("Layered");
    form.SetBorderStyle(frame::BorderStyle::None);
    form.SetClientSize(200, 100);
    HWND window = form.Handle();
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "FrameTestLayeredForm");
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(GetWindow(window, GW_OWNER), App().Handle());
    EXPECT_FALSE(IsWindowVisible(window)) << "forms start hidden";
    EXPECT_EQ(form.ClientWidth(), 200);
    EXPECT_EQ(form.ClientHeight(), 100);
    EXPECT_EQ(FindWindowA("FrameTestLayeredForm", "Layered"), window);
}

TEST(FormTest, ClientSizeHoldsWithAFrameAndCentringUsesTheScreen) {
    App();
    frame::Form form;
    form.SetBorderStyle(frame::BorderStyle::Single);
    form.SetClientSize(300, 150);
    form.SetPosition(frame::FormPosition::ScreenCenter);
    form.HandleNeeded();
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 150);
    EXPECT_GT(form.Width(), 300);
    EXPECT_NEAR(form.Left(), (GetSystemMetrics(SM_CXSCREEN) - form.Width()) / 2, 1);
    EXPECT_NEAR(form.Top(), (GetSystemMetrics(SM_CYSCREEN) - form.Height()) / 2, 1);
    // Bounds follow moves made behind the framework's back.
    SetWindowPos(form.Handle(), nullptr, 17, 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(form.Left(), 17);
    EXPECT_EQ(form.Top(), 23);
}

TEST(FormTest, BoundsSetBeforeTheWindowExistsAreTheWindowsBounds) {
    App();
    frame::Form form;
    form.SetBorderStyle(frame::BorderStyle::Single);
    form.SetBounds(40, 50, 260, 180);
    EXPECT_EQ(form.Width(), 260);
    form.HandleNeeded();
    RECT rect;
    GetWindowRect(form.Handle(), &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 260);
    EXPECT_EQ(rect.bottom - rect.top, 180);
}

TEST(FormTest, ShowHideAndTheShowEvent) {
    App();
    frame::Form form;
    int shows = 0;
    form.OnShow = [&](frame::Form*) { ++shows; };
    form.Show();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(shows, 1);
    form.Hide();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    // Hidden by someone else: the flag follows.
    form.Show();
    ShowWindow(form.Handle(), SW_HIDE);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(shows, 2);
}

TEST(FormTest, CloseHidesAFormButTerminatesWithTheMainForm) {
    frame::Application& app = App();
    frame::Form other;
    frame::Form main;
    MSG quit;
    other.Show();
    other.Close();
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));

    app.SetMainForm(&main);
    main.Show();
    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.Terminated());
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    app.SetMainForm(nullptr);
    app.Run();  // takes the quit message, so the queue is clean for what follows
}

TEST(FormTest, TheOnCloseHandlerCanRefuse) {
    App();
    frame::Form form;
    form.OnClose = [](frame::Form*, frame::CloseAction& action) { action = frame::CloseAction::None; };
    form.Show();
    form.Close();
    EXPECT_TRUE(form.Visible());
}

TEST(FormTest, ReplacedWindowProcedureSeesEveryMessageFirst) {
    App();
    frametest::RecordingForm form;
    form.HandleNeeded();
    frame::WindowProcedure previous = form.WindowProc();
    int swallowed = 0;
    form.SetWindowProc([&](frame::Message& message) {
        if (message.msg == WM_APP + 3) {
            ++swallowed;
            message.result = 1;
            return;
        }
        previous(message);
    });
    EXPECT_EQ(SendMessageA(form.Handle(), WM_APP + 3, 0, 0), 1);
    SendMessageA(form.Handle(), WM_APP + 4, 0, 0);
    EXPECT_EQ(swallowed, 1);
    EXPECT_EQ(form.seen, std::vector<UINT>{WM_APP + 4});
    form.SetWindowProc(previous);
    SendMessageA(form.Handle(), WM_APP + 3, 0, 0);
    EXPECT_EQ(swallowed, 1);
}

TEST(FormTest, ExceptionInAHandlerIsShownAndTheWindowKeepsWorking) {
    frame::Application& app = App();
    app.SetTitle("Frame Test");
    frametest::RecordingForm form;
    form.onMessage = [](frame::Message& message) {
        if (message.msg == WM_APP + 9) throw frame::FileOpenError("C:\\nowhere\\x.png", ERROR_FILE_NOT_FOUND);
        message.result = 42;
    };
    form.HandleNeeded();
    {
        testsupport::MessageRecorder recorder;
        SendMessageA(form.Handle(), WM_APP + 9, 0, 0);
    }
    const auto& shown = testsupport::MessageRecorder::Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].first.find("Cannot open file \"C:\\nowhere\\x.png\""), std::string::npos) << shown[0].first;
    EXPECT_EQ(shown[0].second, "Frame Test");
    EXPECT_EQ(SendMessageA(form.Handle(), WM_APP + 10, 0, 0), 42);
}

TEST(ApplicationTest, MinimiseHidesTheVisibleFormsAndRestoreBringsBackOnlyThose) {
    frame::Application& app = App();
    frame::Form shown, hidden;
    shown.Show();
    hidden.HandleNeeded();
    app.Minimize();
    EXPECT_TRUE(app.Minimized());
    EXPECT_FALSE(IsWindowVisible(shown.Handle()));
    EXPECT_TRUE(shown.Visible()) << "still meant to be visible";
    app.Restore();
    EXPECT_FALSE(app.Minimized());
    EXPECT_TRUE(IsWindowVisible(shown.Handle()));
    EXPECT_FALSE(IsWindowVisible(hidden.Handle()));
    EXPECT_FALSE(IsWindowVisible(app.Handle()));
}

}  // namespace
