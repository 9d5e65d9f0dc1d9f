// The real program started from a folder without the PNG reader library:
// it tells the user which file is missing and ends with exit code 1.

#include "tests/support/ChildProcess.h"
#include "tests/support/MessagePump.h"

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

TEST(MissingReader, TheProgramNamesTheMissingLibraryAndEndsWithCodeOne) {
    const std::string folder = testsupport::TestFolder() + "noreader\\";
    testsupport::ChildProcess program(testsupport::Quote(folder + "Veltrune.exe"),
                                      testsupport::ChildProcess::Options{folder, false});
    ASSERT_TRUE(program.Started());
    HWND box = nullptr;
    ASSERT_TRUE(testsupport::PumpUntil([&] { return (box = MessageBoxOf(program.Id())) != nullptr; }, 60000))
        << "no message box appeared";
    const std::string text = TextOf(box);
    EXPECT_NE(text.find("picload.dll"), std::string::npos) << text;
    EXPECT_NE(text.find("could not be loaded"), std::string::npos) << text;
    EXPECT_NE(text.find("Veltrune"), std::string::npos) << "caption: " << text;
    // No main window was made before the user was told.
    EXPECT_EQ(nullptr, FindWindowA("TMainForm", "Veltrune"));

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(30000, &exitCode));
    EXPECT_EQ(1u, exitCode);
}

}  // namespace
