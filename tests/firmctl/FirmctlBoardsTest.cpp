// firmctl on every shipped board prints what the board file says the
// firmware holds: the items of group 3 and the steps of each of them.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/arvex/SimulatedBoard.h"
#include "tests/firmctl/BoardFile.h"
#include "tests/firmctl/FirmctlOutput.h"
#include "base/Handles.h"

namespace {

std::string BinFolder() {
    std::string board = SimulatedBoard::ShippedBoard("");
    return board.substr(0, board.size() - std::string("boards\\").size());
}

std::vector<std::string> ShippedBoards() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    base::FindHandle search(FindFirstFileA((BinFolder() + "boards\\*.json").c_str(), &found));
    if (!search) return names;
    do names.push_back(found.cFileName);
    while (FindNextFileA(search.Get(), &found));
    return names;
}

std::string Hex(uint32_t number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", number);
    return buffer;
}

// Runs firmctl on a board of its own, starting from the file's values.
ChildResult RunOnBoard(const std::string& board, const std::string& arguments) {
    ScopedEnvironment file("FIRMLINK_BOARD", BinFolder() + "boards\\" + board);
    ScopedEnvironment instance("FIRMLINK_INSTANCE", "firmctl-" + board);
    return RunChild(testsupport::Quote(BinFolder() + "firmctl.exe") + " " + arguments);
}

const char* KindName(const BoardFileItem& item) {
    return item.IsString() ? "string" : item.IsBoolean() ? "boolean" : "number";
}

// The text of a step: the string itself, or a number equal to the value.
void ExpectStepText(const BoardFileItem& item, uint32_t index, const std::string& text) {
    if (item.IsBoolean()) {
        EXPECT_EQ(text, std::to_string(index));
    } else if (item.IsString()) {
        EXPECT_EQ(text, index < item.strings.size() ? item.strings[index] : "");
    } else if (index < item.extras.size()) {
        EXPECT_EQ(text, item.extras[index]);
    } else {
        EXPECT_NEAR(std::stod(text), item.Value(index), 1e-9) << text;
    }
}

TEST(FirmctlOnShippedBoards, ItemsOfGroupThreeAreTheBoardsItems) {
    std::vector<std::string> boards = ShippedBoards();
    ASSERT_FALSE(boards.empty());
    for (const std::string& board : boards) {
        SCOPED_TRACE(board);
        BoardFile file(BinFolder() + "boards\\" + board);
        const auto& items = file.Group(3);
        ChildResult run = RunOnBoard(board, "items 3");
        EXPECT_EQ(run.exitCode, 0u) << run.Describe();
        EXPECT_EQ(run.err, "");
        std::vector<std::string> lines = SplitLines(run.out);
        ASSERT_EQ(lines.size(), items.size() + 1);
        EXPECT_EQ(lines[0], "number\tname\tkind\tattributes\tdefault\tsteps\tcurrent\ttext");
        for (size_t i = 0; i < items.size(); ++i) {
            const BoardFileItem& item = items[i];
            std::vector<std::string> fields = SplitTabs(lines[i + 1]);
            SCOPED_TRACE(lines[i + 1]);
            ASSERT_EQ(fields.size(), 8u);
            EXPECT_EQ(fields[0], Hex(item.number));
            EXPECT_EQ(fields[1], item.name);
            EXPECT_EQ(fields[2], KindName(item));
            EXPECT_EQ(fields[3], Hex(item.attribute));
            EXPECT_EQ(fields[4], std::to_string(item.defaultIndex));
            EXPECT_EQ(fields[5], std::to_string(item.StepCount()));
            EXPECT_EQ(fields[6], std::to_string(item.current));
            if (item.StepCount() > 0 || item.IsBoolean()) ExpectStepText(item, item.current, fields[7]);
        }
    }
}

TEST(FirmctlOnShippedBoards, StepsOfEveryGroupThreeItemAreTheBoardsSteps) {
    for (const std::string& board : ShippedBoards()) {
        BoardFile file(BinFolder() + "boards\\" + board);
        for (const BoardFileItem& item : file.Group(3)) {
            SCOPED_TRACE(board + " " + Hex(item.number));
            ChildResult run = RunOnBoard(board, "steps " + Hex(item.number));
            EXPECT_EQ(run.exitCode, 0u) << run.Describe();
            std::vector<std::string> lines = SplitLines(run.out);
            ASSERT_EQ(lines.size(), item.StepCount() + 1);
            bool numeric = !item.IsString() && !item.IsBoolean();
            EXPECT_EQ(lines[0], numeric ? "index\ttext\trational" : "index\ttext");
            for (uint32_t index = 0; index < item.StepCount(); ++index) {
                std::vector<std::string> fields = SplitTabs(lines[index + 1]);
                ASSERT_EQ(fields.size(), numeric ? 3u : 2u) << lines[index + 1];
                EXPECT_EQ(fields[0], std::to_string(index));
                ExpectStepText(item, index, fields[1]);
                if (!numeric) continue;
                if (index < item.extras.size()) {
                    EXPECT_EQ(fields[2], "-");
                } else {
                    size_t slash = fields[2].find('/');
                    ASSERT_NE(slash, std::string::npos) << fields[2];
                    double value = std::stod(fields[2].substr(0, slash)) / std::stod(fields[2].substr(slash + 1));
                    EXPECT_NEAR(value, item.Value(index), 1e-9) << fields[2];
                }
            }
        }
    }
}

}  // namespace
