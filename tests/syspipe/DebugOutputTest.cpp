#include "DebugCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

using ::testing::ElementsAre;

namespace {

TEST(DebugOutput, EndsEveryReportWithExactlyOneLineEnd) {
    DebugCapture capture;
    base::DebugReport("plain");
    base::DebugReport("spaces and line ends  \r\n\t \n");
    base::DebugReport("already ended\r\n");
    base::DebugReport(" \t\r\n ");
    EXPECT_THAT(capture.Lines(), ElementsAre("plain\r\n", "spaces and line ends\r\n", "already ended\r\n", "\r\n"));
}

TEST(DebugOutput, FormatsArguments) {
    DebugCapture capture;
    base::DebugReport("[BasicNamedPipe<char_t>::Call] failed, GetLastError returned %d", 231);
    base::DebugReport("negative %d", -1);
    EXPECT_THAT(capture.Lines(),
                ElementsAre("[BasicNamedPipe<char_t>::Call] failed, GetLastError returned 231\r\n", "negative -1\r\n"));
}

TEST(DebugOutput, CutsLongTextAt4093Characters) {
    DebugCapture capture;
    const std::string longText(5000, 'x');
    base::DebugReport("%s", longText.c_str());
    // White space brought to the end by the cut goes as well.
    const std::string cutAtSpaces = std::string(4090, 'y') + std::string(10, ' ') + "tail";
    base::DebugReport("%s", cutAtSpaces.c_str());
    const std::string exact(4093, 'z');
    base::DebugReport("%s", exact.c_str());

    auto lines = capture.Lines();
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(std::string(4093, 'x') + "\r\n", lines[0]);
    EXPECT_EQ(std::string(4090, 'y') + "\r\n", lines[1]);
    EXPECT_EQ(exact + "\r\n", lines[2]);
}

}  // namespace
