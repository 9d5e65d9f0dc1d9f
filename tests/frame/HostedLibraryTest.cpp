#include "tests/frame/FrameTestSupport.h"

#include <gtest/gtest.h>

extern "C" __declspec(dllimport) int ShowHostedDialog(frame::Application* host, HWND* owner);

namespace {

TEST(HostedLibraryTest, ALibrarysModalFormRunsUnderTheProgramsApplication) {
    frame::Application& app = frametest::App();
    int seen = 0;
    int id = app.AddMessageHook([&](MSG& message, bool& handled) {
        if (message.message != WM_APP + 40) return;
        ++seen;
        handled = true;
        PostMessageA(message.hwnd, WM_CLOSE, 0, 0);
    });
    HWND owner = nullptr;
    int result = ShowHostedDialog(&app, &owner);
    app.RemoveMessageHook(id);
    EXPECT_EQ(result, frame::modal::Cancel);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(owner, app.Handle());
}

}  // namespace
