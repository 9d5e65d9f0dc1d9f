// Board files are accepted whole or refused whole, with a message that names
// the file, the line and the fault.

#include <windows.h>

#include <cstdlib>

#include "tests/firmlink/FirmlinkFixture.h"
#include "base/Handles.h"

namespace {

// Line numbers below refer to this text.
const std::string kSmallBoard = R"({
  "interface": { "strings": ["V", "1"], "words": [0, "0x03000000"] },
  "groups": [
    { "group": 3, "items": [
      { "number": "0x03010011", "name": "Clock", "base": 10000, "step": 10, "count": 11, "default": 0, "current": 0 },
      { "number": "0x030600F0", "name": "Core", "base": 0, "step": 1, "count": 2, "default": 0, "current": 0 },
      { "number": "0x030C0013", "name": "Ratio", "base": 8000, "step": 1000, "count": 5, "default": 0, "current": [0, 0] },
      { "number": "0x030600F1", "name": "Limits", "flags": true, "default": 0, "current": 0, "limits": [{ "item": "0x03010011", "limit": 5 }] }
    ] },
    { "group": 5, "items": [
      { "number": "0x05080002", "name": "Profiles", "default": 0, "current": 0, "profiles": [{ "name": "Fast", "values": [["0x03010011", 3]] }] }
    ] }
  ]
}
)";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

using BoardFileTest = FirmlinkTest;

TEST_F(BoardFileTest, SmallBoardIsAccepted) {
    TempFile board("firmlink-small-board.json", kSmallBoard);
    ASSERT_TRUE(LoadBoard(board.path())) << lastError();
    EXPECT_STREQ(lastError(), "");
    EXPECT_EQ(ListGroup(3).size(), 4u);
    uint32_t limit = 0;
    ASSERT_EQ(FirmReadItemLimit(0x030600F1, 0x11, &limit) & 1, 1u);
    EXPECT_EQ(limit >> 16, 5u);
}

TEST_F(BoardFileTest, FaultyBoardsAreRefusedWithFileLineAndReason) {
    struct Case {
        const char* what;
        std::string from, to;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"missing comma", "\"current\": 0 },\n      { \"number\": \"0x030600F0\"", "\"current\": 0 }\n      { \"number\": \"0x030600F0\"", 6, "syntax error"},
        {"cut short", "  ]\n}\n", "", 12, "syntax error"},
        {"group byte", "\"number\": \"0x03010011\"", "\"number\": \"0x04010011\"", 5, "group 3"},
        {"current beyond count", "\"count\": 11, \"default\": 0, \"current\": 0", "\"count\": 11, \"default\": 0, \"current\": 11", 5, "at or beyond its step count 11"},
        {"default beyond count", "\"count\": 11, \"default\": 0,", "\"count\": 11, \"default\": 12,", 5, "default index 12"},
        {"missing name", "\"name\": \"Clock\", ", "", 5, "missing field \"name\""},
        {"missing count", "\"step\": 1000, \"count\": 5,", "\"step\": 1000,", 7, "missing field \"count\""},
        {"core values", "\"current\": [0, 0]", "\"current\": [0, 0, 0]", 7, "3 current values for 2 cores"},
        {"unknown field", "\"base\": 0, \"step\": 1", "\"base\": 0, \"stride\": 1", 6, "unknown field \"stride\""},
        {"limit of a missing item", "{ \"item\": \"0x03010011\", \"limit\": 5 }", "{ \"item\": \"0x03010099\", \"limit\": 5 }", 8, "does not have"},
        {"key twice", "\"name\": \"Ratio\"", "\"name\": \"Ratio\", \"name\": \"Again\"", 7, "given twice"},
        {"extra strings without flag", "\"name\": \"Clock\",", "\"name\": \"Clock\", \"extraStrings\": [\"Auto\"],", 5, "extra-strings flag"},
        {"profile value", "[\"0x03010011\", 3]", "[\"0x03010011\", 30]", 11, "profile \"Fast\""},
        {"base out of range", "\"base\": 10000,", "\"base\": 9000000,", 5, "outside"},
        {"not an integer", "\"count\": 11,", "\"count\": \"eleven\",", 5, "not an integer"},
        {"description beyond a package", "\"name\": \"Fast\"", "\"name\": \"" + std::string(5000, 'x') + "\"", 11, "longer than a 4096-byte package"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFile board("firmlink-bad-board.json", Replaced(kSmallBoard, c.from, c.to));
        EXPECT_FALSE(LoadBoard(board.path()));
        const std::string message = lastError();
        EXPECT_NE(message.find(board.path()), std::string::npos) << message;
        EXPECT_NE(message.find("line " + std::to_string(c.line) + ":"), std::string::npos) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}

TEST_F(BoardFileTest, MissingFileIsRefusedByName) {
    EXPECT_FALSE(LoadBoard("Z:\\nowhere\\board.json"));
    EXPECT_NE(std::string(lastError()).find("Z:\\nowhere\\board.json"), std::string::npos);
}

TEST_F(BoardFileTest, RefusedBoardLeavesBoardAndValuesAsTheyWere) {
    ASSERT_EQ(FirmWriteItem(0x03020012, 90, 2) & 1, 1u);
    TempFile board("firmlink-bad-board.json", Replaced(kSmallBoard, "\"current\": [0, 0]", "\"current\": [0]"));
    ASSERT_FALSE(LoadBoard(board.path()));
    EXPECT_EQ(Read(0x03020012), 90u);
    EXPECT_EQ(ListGroup(5), std::vector<uint32_t>{0x05080002u});
    EXPECT_TRUE(Describe(0x030C0013).size() == 7u) << "the ratio is still the built-in board's";
}

TEST_F(BoardFileTest, EveryShippedBoardLoads) {
    const std::string folder = FirmlinkFolder() + "boards\\";
    WIN32_FIND_DATAA found;
    base::FindHandle search(FindFirstFileA((folder + "*.json").c_str(), &found));
    ASSERT_TRUE(search);
    int boards = 0;
    do {
        SCOPED_TRACE(found.cFileName);
        ASSERT_TRUE(LoadBoard(folder + found.cFileName)) << lastError();
        EXPECT_FALSE(ListGroup(3).empty());
        EXPECT_FALSE(ListGroup(11).empty());
        ++boards;
    } while (FindNextFileA(search.Get(), &found));
    EXPECT_GE(boards, 6);
}

TEST_F(BoardFileTest, RefusedBoardAtStartLeavesNoGroupsAndSaysWhy) {
    TempFile board("firmlink-start-board.json", Replaced(kSmallBoard, "\"group\": 3,", "\"group\": 3"));
    SetEnvironmentVariableA("FIRMLINK_BOARD", board.path().c_str());
    std::string output;
    const int code = RunPeer("groups", &output);
    SetEnvironmentVariableA("FIRMLINK_BOARD", nullptr);
    ASSERT_EQ(code, 0);
    EXPECT_EQ(std::strtoul(output.c_str(), nullptr, 10), 0u) << "group 3 must not list: " << output;
    EXPECT_NE(output.find(board.path() + "\", line 4:"), std::string::npos) << output;
}

}  // namespace
