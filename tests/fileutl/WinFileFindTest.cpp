#include "kiln/fileutl/WinFileFind.h"
#include "tests/support/Diagnostics.h"

#include "TempTree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::StartsWith;
using testsupport::AssertionStop;

namespace {

TEST(WinFileFind, WalksEntriesAndTellsFoldersAndDotsApart) {
    TempTree tree("filefind");
    tree.AddFolder("folder");
    tree.AddFile("file.oc");

    kiln::WinFileFindA find;
    ASSERT_TRUE(find.Open((tree.Root() + "\\*").c_str()));
    int dots = 0, dotDots = 0, folders = 0, files = 0;
    for (; find.IsValid(); find.Next()) {
        const std::string name = find.Name();
        if (find.IsDot()) {
            EXPECT_EQ(".", name);
            ++dots;
        } else if (find.IsDotDot()) {
            EXPECT_EQ("..", name);
            ++dotDots;
        } else if (find.IsDirectory()) {
            EXPECT_EQ("folder", name);
            ++folders;
        } else {
            EXPECT_EQ("file.oc", name);
            ++files;
        }
    }
    EXPECT_EQ(1, dots);
    EXPECT_EQ(1, dotDots);
    EXPECT_EQ(1, folders);
    EXPECT_EQ(1, files);
    EXPECT_TRUE(find.IsOpen()) << "the search stays open at its end until closed";
    find.Close();
    EXPECT_FALSE(find.IsOpen());
    EXPECT_FALSE(find.IsValid());
}

TEST(WinFileFind, FailedOpenLeavesItClosedAndOpeningAnOpenSearchAsserts) {
    TempTree tree("filefind-open");
    kiln::WinFileFindA find;
    EXPECT_FALSE(find.Open((tree.Root() + "\\absent\\*").c_str()));
    EXPECT_FALSE(find.IsOpen());
    EXPECT_FALSE(find.IsValid());

    ASSERT_TRUE(find.Open((tree.Root() + "\\*").c_str()));
    {
        testsupport::ThrowingAsserts asserts;
        try {
            find.Open((tree.Root() + "\\*").c_str());
            ADD_FAILURE() << "second open was accepted";
        } catch (const AssertionStop& stop) {
            EXPECT_THAT(stop.what(),
                        StartsWith("Assertion failed: !IsOpen(), file kiln/fileutl/Source/WinFileFind, line "));
        }
    }
    EXPECT_TRUE(find.IsValid()) << "the refused open must not disturb the running search";
}

}  // namespace
