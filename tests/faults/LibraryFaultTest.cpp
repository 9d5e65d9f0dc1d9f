// The real program installed without the profile writer velolib.dll, which
// the dialog library imports, or with a damaged one: the dialog library
// cannot load, so the user is told at start, before any Save Profile could
// fail, which library it needs, and the program ends with code 1 having
// written nothing.

#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/ProcessWindows.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <memory>

namespace faultstest {
namespace {

using testsupport::AssertionShown;
using testsupport::MessageBoxOf;
using testsupport::TextOf;

// What the user sees when the program in `folderName` starts and is told
// something, and how it ends.
void ExpectToldAndEnded(const std::string& folderName, const char* label) {
    SimulatedBoard::Load("");
    JournalScope journal;
    const std::string folder = testsupport::TestFolder() + folderName + "\\";
    testsupport::ChildProcess program(testsupport::Quote(folder + "Veltrune.exe"),
                                      testsupport::ChildProcess::Options{folder, false});
    ASSERT_TRUE(program.Started());
    HWND box = nullptr;
    ASSERT_TRUE(testsupport::PumpUntil([&] { return (box = MessageBoxOf(program.Id())) != nullptr; }, 30000));
    std::string text = TextOf(box);
    for (char& c : text)
        if (c == '\n') c = ' ';
    std::printf("[fault] start-up | %s | user: %s | firmware: %zu calls, %zu writes\n", label, text.c_str(),
                journal.Lines().size(), journal.Calls(2).size());
    EXPECT_NE(text.find("Tunevault.dll"), std::string::npos) << text;
    EXPECT_NE(text.find("velolib.dll"), std::string::npos) << "the file that really fails: " << text;
    EXPECT_FALSE(AssertionShown(program.Id()));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 0;
    ASSERT_TRUE(program.WaitForExit(30000, &code));
    EXPECT_EQ(code, 1u);
    EXPECT_TRUE(journal.Calls(2).empty());
}

// These run without the build's bin folder on the library path, where the
// writer would be found.
TEST(LibraryFaults, AMissingProfileWriterIsNamedAtStart) {
    ExpectToldAndEnded("novelolib", "velolib.dll missing");
}

TEST(LibraryFaults, ADamagedProfileWriterIsNamedAtStart) {
    ExpectToldAndEnded("badvelolib", "velolib.dll damaged");
}

}  // namespace
}  // namespace faultstest
