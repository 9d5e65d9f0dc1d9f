// What a board keeps when no process has the firmware loaded: a value set by
// one process is there for the next, reset goes back to the board file, a
// state file that cannot be used is set aside with one message, and two
// writers at once leave a whole file.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "tests/fileutl/TempTree.h"
#include "tests/support/ChildProcess.h"

namespace {

using testsupport::ChildProcess;
using testsupport::ChildResult;
using testsupport::Quote;
using testsupport::ReadWholeFile;
using testsupport::RunChild;
using testsupport::ScopedEnvironment;
using testsupport::SplitLines;

constexpr const char* kCoreVoltage = "0x03020012";  // 161 steps, the board starts it at step 80
constexpr const char* kClock = "0x03010011";        // 4001 steps, the board starts it at step 0
constexpr const char* kIgnored = "ignored the saved board state";

std::string BinFolder() { return testsupport::TestFolder() + "..\\bin\\"; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A machine no running process holds, kept in a folder of the test's own.
class BoardState : public ::testing::Test {
protected:
    BoardState()
        : folder(::testing::UnitTest::GetInstance()->current_test_info()->name()),
          m_stateDir("FIRMLINK_STATE_DIR", folder.Root()),
          m_instance("FIRMLINK_INSTANCE", Instance()) {}

    static std::string Instance() {
        return std::string("board-state-") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    std::string StatePath() const { return folder.Root() + "\\" + Instance() + ".state"; }

    static ChildResult Firmctl(const std::string& arguments) {
        return RunChild(Quote(BinFolder() + "firmctl.exe") + " " + arguments);
    }
    static std::string Get(const char* item) {
        const ChildResult run = Firmctl(std::string("get ") + item);
        EXPECT_EQ(run.exitCode, 0u) << run.err;
        return run.out.substr(0, run.out.find('\t'));
    }

    TempTree folder;

private:
    ScopedEnvironment m_stateDir;
    ScopedEnvironment m_instance;
};

TEST_F(BoardState, AValueSetByOneProcessIsReadByTheNextUntilReset) {
    ASSERT_EQ(Firmctl("set 0x030600F0 2").exitCode, 0u);
    EXPECT_FALSE(Exists(StatePath())) << "a board nobody changed keeps no file; a chosen core is no change";
    ASSERT_EQ(Firmctl("set 0x03020012 90").exitCode, 0u);
    ASSERT_EQ(Firmctl("set 0x03010011 1234").exitCode, 0u);
    EXPECT_EQ(Get(kCoreVoltage), "90");
    EXPECT_EQ(Get(kClock), "1234");

    const std::vector<std::string> lines = SplitLines(ReadWholeFile(StatePath()));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "firmlink board state 1");
    EXPECT_EQ(lines[1], "instance " + Instance());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "0x03020012 90"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "0x030C0013 26 26 26 26"), lines.end()) << "one value per core";

    const ChildResult reset = Firmctl("reset");
    EXPECT_EQ(reset.exitCode, 0u) << reset.err;
    EXPECT_FALSE(Exists(StatePath()));
    EXPECT_EQ(Get(kCoreVoltage), "80");
    EXPECT_EQ(Get(kClock), "0");
}

TEST_F(BoardState, WithoutAFolderOfItsOwnTheStateLivesInTheLocalApplicationData) {
    ScopedEnvironment noFolder("FIRMLINK_STATE_DIR", "");
    ScopedEnvironment local("LOCALAPPDATA", folder.Root());
    ScopedEnvironment odd("FIRMLINK_INSTANCE", "odd: name/1");
    ASSERT_EQ(Firmctl("set 0x03020012 91").exitCode, 0u);
    EXPECT_TRUE(Exists(folder.Root() + "\\firmlink\\odd%3A%20name%2F1.state"));
    EXPECT_EQ(Get(kCoreVoltage), "91");
}

TEST_F(BoardState, AFileThatCannotBeUsedIsSetAsideWithOneMessageAndTheBoardsValuesCount) {
    struct Case {
        const char* what;
        std::string text;
        const char* reason;
    };
    const std::string heading = "firmlink board state 1\ninstance " + Instance() + "\n";
    ASSERT_EQ(Firmctl("set 0x03020012 90").exitCode, 0u);
    const std::string good = ReadWholeFile(StatePath());
    const std::string board = good.substr(heading.size(), good.find('\n', heading.size()) - heading.size() + 1);
    const std::string body = good.substr(heading.size() + board.size());
    std::string oneRatio = body;
    const std::string ratio = "0x030C0013 26 26 26 26\n";
    ASSERT_NE(oneRatio.find(ratio), std::string::npos) << good;
    oneRatio.replace(oneRatio.find(ratio), ratio.size(), "0x030C0013 30\n");
    const Case cases[] = {
        {"another program's file", "MZ\x90 not a state at all", "is not a board state file"},
        {"a later format", "firmlink board state 2\n" + good.substr(good.find('\n') + 1), "another format"},
        {"another instance's", "firmlink board state 1\ninstance someone-else\n" + board + body, "someone-else"},
        {"another board's", heading + "board 0x12345678\n" + body, "another board"},
        {"cut short", good.substr(0, good.size() - 8), "ends before"},
        {"an item without values", heading + board + "0x03020012\n" + body, "has no value"},
        {"a word that is no number", heading + board + "0x03020012 ninety\n" + body, "ninety"},
        {"a per-core item with one value", heading + board + oneRatio, "0x030C0013 has 1 values"},
        {"a miscounted end", heading + board + "0x03020012 95\n" + body, "closes with"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA((StatePath() + ".bad").c_str());
        WriteFile(StatePath(), c.text);
        const ChildResult run = Firmctl("get 0x03020012");
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.out.substr(0, run.out.find('\t')), "80") << "the board file's value";
        const std::vector<std::string> errors = SplitLines(run.err);
        ASSERT_EQ(errors.size(), 1u) << run.err;
        EXPECT_NE(errors[0].find(kIgnored), std::string::npos) << errors[0];
        EXPECT_NE(errors[0].find(c.reason), std::string::npos) << errors[0];
        EXPECT_NE(errors[0].find(StatePath()), std::string::npos) << "names the file: " << errors[0];
        EXPECT_EQ(ReadWholeFile(StatePath() + ".bad"), c.text) << "kept as it was, beside";
        EXPECT_FALSE(Exists(StatePath()));
        EXPECT_EQ(Firmctl("get 0x03020012").err, "") << "told once";
    }
    // Nothing was lost on the way: a good file still works afterwards.
    WriteFile(StatePath(), good);
    const ChildResult run = Firmctl("get 0x03020012");
    EXPECT_EQ(run.out.substr(0, run.out.find('\t')), "90");
    EXPECT_EQ(run.err, "");
}

TEST_F(BoardState, ValuesSavedForAnotherBoardAreNotLaidOverThisOne) {
    ASSERT_EQ(Firmctl("set 0x030C0013 30").exitCode, 0u);  // four cores on the default board
    ScopedEnvironment twoCores("FIRMLINK_BOARD", BinFolder() + "boards\\two-cores.json");
    const ChildResult run = Firmctl("get 0x030C0013");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_NE(run.err.find("another board"), std::string::npos) << run.err;
}

TEST_F(BoardState, AFailedSaveKeepsTheWriteAndSaysWhy) {
    // A file where the folder should be: nothing can be saved there.
    const std::string blocked = folder.Root() + "\\blocked";
    WriteFile(blocked, "in the way");
    ScopedEnvironment stateDir("FIRMLINK_STATE_DIR", blocked);
    const ChildResult run = Firmctl("set 0x03020012 90");
    EXPECT_EQ(run.exitCode, 0u) << "the firmware took the value";
    const std::vector<std::string> errors = SplitLines(run.err);
    ASSERT_EQ(errors.size(), 1u) << run.err;
    EXPECT_NE(errors[0].find("cannot save the board state"), std::string::npos) << errors[0];
}

// The file is whole after every replacement, as any reader might find it:
// never missing, empty or cut short once it has been written.
bool WholeStateFile(const std::string& text) {
    const std::vector<std::string> lines = SplitLines(text);
    return lines.size() >= 4 && lines.front() == "firmlink board state 1" && text.back() == '\n' &&
           lines.back() == "end " + std::to_string(lines.size() - 4);
}

std::string ReadShared(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    base::FileHandle owner(file);
    std::string text;
    if (!owner) return text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    return text;
}

TEST_F(BoardState, TwoWritersAtOnceNeverTearTheFile) {
    const std::string peer = Quote(testsupport::TestFolder() + "FirmPeer.exe");
    ChildProcess first(peer + " write-many 0x03010011 1 150");
    ChildProcess second(peer + " write-many 0x03010011 1001 1150");
    ASSERT_TRUE(first.Started() && second.Started());
    int reads = 0;
    while (first.Running() || second.Running()) {
        const std::string text = ReadShared(StatePath());
        if (reads == 0 && text.empty()) continue;  // not written yet
        ASSERT_TRUE(WholeStateFile(text)) << "read " << reads << ":\n" << text;
        ++reads;
    }
    EXPECT_GT(reads, 0);
    DWORD firstExit = 1, secondExit = 1;
    EXPECT_TRUE(first.WaitForExit(0, &firstExit) && firstExit == 0);
    EXPECT_TRUE(second.WaitForExit(0, &secondExit) && secondExit == 0);

    const ChildResult run = Firmctl("get 0x03010011");
    EXPECT_EQ(run.err, "");
    const std::string last = run.out.substr(0, run.out.find('\t'));
    EXPECT_TRUE(last == "150" || last == "1150") << "the last value written, not " << last;
}

}  // namespace
