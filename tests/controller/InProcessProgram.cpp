#include "tests/controller/InProcessProgram.h"

#include "app/Director.h"
#include "app/SafetyNet.h"
#include "frame/Application.h"
#include "kiln/Component/AlphaButton.h"
#include "kiln/Component/LuCheckBoxTx.h"

namespace controllertest {
namespace {

constexpr const char* kSelectorWrite = "2 0x030600F0 ";

// Start-up as the program's entry runs it, once for the whole test program.
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(testsupport::InProcessDriver::ProgramStart());

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
