#include "DebugCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using ::testing::ElementsAre;

namespace {

TEST(DebugOutput, EndsEveryReportWithExactlyOneLineEnd) {
    DebugCapture capture;
    kiln::DebugReport("plain");
    kiln::DebugReport("spaces and line ends  \r\n\t \n");
    kiln::DebugReport("already ended\r\n");
    kiln::DebugReport(" \t\r\n ");
    EXPECT_THAT(capture.Lines(), ElementsAre("plain\r\n", "spaces and line ends\r\n", "already ended\r\n", "\r\n"));
}

TEST(DebugOutput, FormatsArguments) {
    DebugCapture capture;
    kiln::DebugReport("[BasicNamedPipe<char_t>::Call] failed, GetLastError returned %d", 231);
    kiln::DebugReport("negative %d", -1);
    EXPECT_THAT(capture.Lines(),
                ElementsAre("[BasicNamedPipe<char_t>::Call] failed, GetLastError returned 231\r\n", "negative -1\r\n"));
}

TEST(DebugOutput, CutsLongTextAt4093Characters) {
    DebugCapture capture;
    const std::string longText(5000, 'x');
    kiln::DebugReport("%s", longText.c_str());
    // White space brought to the end by the cut goes as well.
    const std::string cutAtSpaces = std::string(4090, 'y') + std::string(10, ' ') + "tail";
    kiln::DebugReport("%s", cutAtSpaces.c_str());
    const std::string exact(4093, 'z');
    kiln::DebugReport("%s", exact.c_str());

    auto lines = capture.Lines();
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(std::string(4093, 'x') + "\r\n", lines[0]);
    EXPECT_EQ(std::string(4090, 'y') + "\r\n", lines[1]);
    EXPECT_EQ(exact + "\r\n", lines[2]);
}

}  // namespace
