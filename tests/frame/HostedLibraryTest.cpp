#include "tests/frame/FrameTestSupport.h"

#include "base/Handles.h"

#include <gtest/gtest.h>

extern "C" __declspec(dllimport) int ShowHostedDialog(HWND programApplication, HWND* owner);

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
    int result = ShowHostedDialog(app.Handle(), &owner);
    app.RemoveMessageHook(id);
    EXPECT_EQ(result, frame::modal::Cancel);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(owner, app.Handle());
}

TEST(HostedLibraryTest, HookRequestsFromAnotherThreadOrPostedAreRefused) {
    frame::Application& app = frametest::App();
    constexpr LPARAM kForeignPointer = 0x10;
    int followed = 0;
    int id = app.AddMessageHook([&](MSG& message, bool&) {
        if (message.lParam == kForeignPointer) ++followed;
    });
    const UINT request = RegisterWindowMessageA("FrameApplicationHookRequest");
    // A pointer from elsewhere must never be followed: neither posted ...
    PostMessageA(app.Handle(), request, 0, kForeignPointer);
    app.ProcessMessages();
    // ... nor sent from another thread.
    struct Sender {
        HWND window;
        UINT request;
        LRESULT answer = -1;
        static DWORD WINAPI Run(void* self) {
            auto* sender = static_cast<Sender*>(self);
            sender->answer = SendMessageA(sender->window, sender->request, 0, kForeignPointer);
            return 0;
        }
    } sender{app.Handle(), request};
    base::KernelHandle thread(CreateThread(nullptr, 0, &Sender::Run, &sender, 0, nullptr));
    HANDLE waitFor = thread.Get();
    while (MsgWaitForMultipleObjects(1, &waitFor, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        app.ProcessMessages();
    app.RemoveMessageHook(id);
    EXPECT_EQ(sender.answer, 0);
    EXPECT_EQ(followed, 0);
}

}  // namespace
