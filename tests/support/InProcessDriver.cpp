#include "tests/support/InProcessDriver.h"

#include "app/Director.h"
#include "app/Shadow.h"
#include "frame/Application.h"
#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"

namespace testsupport {
namespace {

class ProgramStartEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InProcessDriver::StartProgram(); }
};

}  // namespace

void InProcessDriver::StartWindow() {
    frame::Application& application = frame::Application::Instance();
    application.Initialize();
    application.SetShowMainForm(false);
    application.SetTitle("Veltrune");
    MainForm = application.CreateForm<TMainForm>();
}

void InProcessDriver::StartProgram() {
    StartWindow();
    // The shadow names the main window as its owner, so it comes second.
    ShadowForm = frame::Application::Instance().CreateForm<TShadowForm>(MainForm->Handle());
    Director::Instance().Initialize(MainForm);
    ShadowForm->PlaceAtStart(*MainForm);
    frame::Application::Instance().ProcessMessages();
}

::testing::Environment* InProcessDriver::ProgramStart() {
    return new ProgramStartEnvironment;
}

std::vector<std::string> InProcessDriver::Answering(const std::function<void()>& action,
                                                    const std::vector<const char*>& answers) const {
    return AnsweringEach(action, answers.size(), [&answers](size_t i) { Answer(answers[i]); });
}

std::vector<std::string> InProcessDriver::AnsweringWithKeys(const std::function<void()>& action,
                                                            const std::vector<WPARAM>& keys) const {
    return AnsweringEach(action, keys.size(),
                         [&keys](size_t i) { PressKey(testsupport::ShownDialog(kAskDialogClass), keys[i]); });
}

std::vector<std::string> InProcessDriver::AnsweringEach(const std::function<void()>& action, size_t count,
                                                        const std::function<void(size_t)>& answer) {
    std::vector<std::string> asked;
    DialogScript script;
    for (size_t i = 0; i < count; ++i)
        script.When([] { return testsupport::ShownDialog(kAskDialogClass) != nullptr; },
                    [&asked, &answer, i] {
                        asked.push_back(AskMessage());
                        answer(i);
                    });
    script.Then([] {});
    script.Run([&] {
        action();
        return 0;
    });
    frame::Application::Instance().ProcessMessages();
    EXPECT_EQ(nullptr, testsupport::ShownDialog(kAskDialogClass)) << "a question too many";
    return asked;
}

std::vector<std::string> InProcessDriver::ClickAnswering(HWND window, const std::vector<const char*>& answers) const {
    return Answering([this, window] { Click(window); }, answers);
}

bool InProcessDriver::WaitFor(const std::function<bool()>& done, DWORD milliseconds) const {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        frame::Application::Instance().ProcessMessages();
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

}  // namespace testsupport
