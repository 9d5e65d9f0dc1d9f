#include "tests/controller/InProcessProgram.h"

#include "app/Director.h"
#include "app/SafetyNet.h"
#include "app/Shadow.h"
#include "frame/Application.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuCheckBoxTx.h"
#include "tests/support/DialogScript.h"
#include "tests/support/DialogWindows.h"
#include "tests/support/MessagePump.h"

#include <cstdio>

namespace controllertest {
namespace {

constexpr const char* kSelectorWrite = "2 0x030600F0 ";

// Start-up as the program's entry runs it, once for the whole test program.
class ProgramEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        frame::Application& application = frame::Application::Instance();
        application.Initialize();
        application.SetShowMainForm(false);
        application.SetTitle("Veltrune");
        MainForm = application.CreateForm<TMainForm>();
        ShadowForm = application.CreateForm<TShadowForm>(MainForm->Handle());
        Director::Instance().Initialize(MainForm);
        ShadowForm->PlaceAtStart(*MainForm);
        application.ProcessMessages();
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

const char* Board() {
    static char path[MAX_PATH] = {};
    if (!path[0]) GetEnvironmentVariableA("FIRMLINK_BOARD", path, sizeof path);
    return path;
}

}  // namespace

void InProcessProgram::SetUp() {
    SimulatedBoard::Load(Board());
    Director& director = Director::Instance();
    director.HideMainWindow();
    if (Layout().MoreSetting()->GetChecked()) Click(*Layout().MoreSetting());
    // Undo asks nothing: the bars take the board's values, Apply goes off.
    Click(*Layout().UndoButton());
    frame::Application::Instance().ProcessMessages();
    journal = std::make_unique<JournalScope>();
    Forget();
}

void InProcessProgram::TearDown() {
    // An Apply here leaves a pending record that the next program started
    // in this session would ask about.
    SafetyNet::Instance().Remove();
    journal.reset();
    SimulatedBoard::ClearFaults();
    Director::Instance().ScreenHeight = [] { return GetSystemMetrics(SM_CYSCREEN); };
}

AdvBar& InProcessProgram::BarOf(uint32_t item) {
    const auto& bars = Layout().BarsByItem();
    const auto found = bars.find(item);
    if (found == bars.end()) throw std::runtime_error("no bar for the item");
    return *found->second;
}

std::string InProcessProgram::Part(uint32_t item, const char* part) {
    char name[64];
    std::snprintf(name, sizeof name, "Bar%08X.%s", static_cast<unsigned>(item), part);
    return name;
}

void InProcessProgram::Click(frame::WinControl& control) {
    const LPARAM centre = MAKELPARAM(control.Width() / 2, control.Height() / 2);
    SendMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageA(control.Handle(), WM_LBUTTONUP, 0, centre);
}

std::vector<std::string> InProcessProgram::Answering(const std::function<void()>& action,
                                                     std::vector<const char*> answers) {
    std::vector<std::string> asked;
    testsupport::DialogScript script;
    for (const char* answer : answers)
        script.When([] { return testsupport::ShownDialog(testsupport::kAskDialogClass) != nullptr; },
                    [&asked, answer] {
                        asked.push_back(testsupport::AskMessage());
                        testsupport::Answer(answer);
                    });
    script.Then([] {});
    script.Run([&] {
        action();
        return 0;
    });
    frame::Application::Instance().ProcessMessages();
    EXPECT_EQ(nullptr, testsupport::ShownDialog(testsupport::kAskDialogClass)) << "a question too many";
    return asked;
}

std::vector<std::string> InProcessProgram::ClickAnswering(frame::WinControl& control,
                                                          std::vector<const char*> answers) {
    return Answering([&control] { Click(control); }, std::move(answers));
}

bool InProcessProgram::PumpProgramUntil(const std::function<bool()>& done) {
    const ULONGLONG deadline = GetTickCount64() + 5000;
    for (;;) {
        frame::Application::Instance().ProcessMessages();
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

bool InProcessProgram::ApplyEnabled() {
    return IsWindowEnabled(Layout().ApplyButton()->Handle()) != FALSE;
}

std::vector<std::string> InProcessProgram::Writes() const {
    const std::vector<std::string> calls = journal->Calls(2);
    std::vector<std::string> writes;
    for (size_t i = m_forgotten; i < calls.size(); ++i)
        if (calls[i].rfind(kSelectorWrite, 0) != 0) writes.push_back(calls[i]);
    return writes;
}

void InProcessProgram::Forget() {
    m_forgotten = journal->Calls(2).size();
}

}  // namespace controllertest
