// The real program installed without one of the libraries it loads at run
// time: it tells the user which file is missing and ends with exit code 1,
// its icon gone from the notification area again.

#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ProcessWindows.h"
#include "tests/support/TrayIcons.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using testsupport::MessageBoxOf;
using testsupport::TextOf;

// The user's answer to the box the program in `folder` shows, and how it ended.
struct Outcome {
    std::string text;
    bool ended = false;
    DWORD exitCode = 0;
    bool iconGone = false;
};

Outcome RunWithout(const std::string& folderName) {
    const std::string folder = testsupport::TestFolder() + folderName + "\\";
    testsupport::ChildProcess program(testsupport::Quote(folder + "Veltrune.exe"),
                                      testsupport::ChildProcess::Options{folder, false});
    Outcome outcome;
    HWND box = nullptr;
    if (!program.Started() ||
        !testsupport::PumpUntil([&] { return (box = MessageBoxOf(program.Id())) != nullptr; }, 60000))
        return outcome;
    outcome.text = TextOf(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    outcome.ended = program.WaitForExit(30000, &outcome.exitCode);
    outcome.iconGone = testsupport::PumpUntil([] { return testsupport::TrayIconWindows().empty(); }, 5000);
    return outcome;
}

TEST(MissingLibrary, WithoutThePngReaderTheProgramNamesItAndEndsWithCodeOne) {
    const Outcome outcome = RunWithout("noreader");
    EXPECT_NE(outcome.text.find("picload.dll"), std::string::npos) << outcome.text;
    EXPECT_NE(outcome.text.find("could not be loaded"), std::string::npos) << outcome.text;
    EXPECT_NE(outcome.text.find("Veltrune"), std::string::npos) << "caption: " << outcome.text;
    ASSERT_TRUE(outcome.ended);
    EXPECT_EQ(1u, outcome.exitCode);
    EXPECT_TRUE(outcome.iconGone);
}

TEST(MissingLibrary, WithoutTheDialogLibraryTheProgramNamesItAndEndsWithCodeOne) {
    const Outcome outcome = RunWithout("nodialogs");
    EXPECT_NE(outcome.text.find("Tunevault.dll"), std::string::npos) << outcome.text;
    EXPECT_NE(outcome.text.find("could not be loaded"), std::string::npos) << outcome.text;
    ASSERT_TRUE(outcome.ended);
    EXPECT_EQ(1u, outcome.exitCode);
    EXPECT_TRUE(outcome.iconGone);
}

}  // namespace
