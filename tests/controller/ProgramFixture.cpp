#include "tests/controller/ProgramFixture.h"

#include "kiln/fileutl/ProfileFolder.h"

#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"

namespace controllertest {
namespace {

// Selecting a core is how per-core items are read; it changes no setting.
constexpr const char* kSelectorWrite = "2 0x030600F0 ";

}  // namespace

std::string ProgramFolder() {
    return testsupport::TestFolder() + "program\\";
}

void ProgramFixture::SetUp() {
    SimulatedBoard::Load("");
    journal = std::make_unique<JournalScope>();
    // A record left pending by an earlier test would be asked about.
    DeleteFileA(kiln::SafetyRecordPath().c_str());
    ASSERT_TRUE(StartProgram()) << "the program did not start";
    Forget();
}

bool ProgramFixture::StartProgram() {
    program.reset();
    program = std::make_unique<testsupport::ProcessDriver>(ProgramFolder());
    return program->Ready();
}

void ProgramFixture::TearDown() {
    program.reset();
    journal.reset();
}

LRESULT ProgramFixture::Send(UINT message, LPARAM lParam, WPARAM wParam) const {
    const LRESULT result = program->Send(message, wParam, lParam);
    // What the handler posted to every window is in this thread's queue now.
    testsupport::PumpMessages();
    return result;
}

std::vector<std::string> ProgramFixture::Writes() const {
    const std::vector<std::string> calls = journal->Calls(2);
    std::vector<std::string> writes;
    for (size_t i = m_forgotten; i < calls.size(); ++i)
        if (calls[i].rfind(kSelectorWrite, 0) != 0) writes.push_back(calls[i]);
    return writes;
}

void ProgramFixture::Forget() {
    m_forgotten = journal->Calls(2).size();
    broadcasts.Clear();
}

}  // namespace controllertest
