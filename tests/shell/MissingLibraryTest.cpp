// The real program installed without one of the libraries it loads at run
// time: it tells the user which file is missing and ends with exit code 1,
// its icon gone from the notification area again.

#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TrayIcons.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

struct FoundBox {
    DWORD processId;
    HWND box = nullptr;
};

BOOL CALLBACK TakeMessageBox(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<FoundBox*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != found->processId || std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    found->box = window;
    return FALSE;
}

// The first visible dialog window (a message box) of the process.
HWND MessageBoxOf(DWORD processId) {
    FoundBox found{processId};
    EnumWindows(&TakeMessageBox, reinterpret_cast<LPARAM>(&found));
    return found.box;
}

BOOL CALLBACK AppendText(HWND child, LPARAM data) {
    char childText[1024] = {};
    GetWindowTextA(child, childText, sizeof childText);
    *reinterpret_cast<std::string*>(data) += std::string("\n") + childText;
    return TRUE;
}

// Everything the box says: its caption and the texts of its children.
std::string TextOf(HWND box) {
    char caption[1024] = {};
    GetWindowTextA(box, caption, sizeof caption);
    std::string text = caption;
    EnumChildWindows(box, &AppendText, reinterpret_cast<LPARAM>(&text));
    return text;
}

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
