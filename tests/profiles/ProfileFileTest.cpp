// Reading profile files: versions, counts that promise more or fewer
// entries than the file holds, repeated items, files too short to be read.

#include "app/profiles/VeOcItemProfile.h"

#include "ProfileWords.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using profiletest::WriteWords;

class ProfileFileTest : public ::testing::Test {
protected:
    ~ProfileFileTest() override { DeleteFileA(path.c_str()); }

    VeOcItemValueList Load(bool expectLoaded = true) {
        VeOcItemProfile profile;
        EXPECT_EQ(expectLoaded, profile.LoadFromFile(path));
        version = profile.Version();
        return profile.Entries();
    }

    std::string path = testsupport::TempPath("profile.oc");
    uint32_t version = 0;
};

TEST_F(ProfileFileTest, EntriesKeepFileOrderAndRepeatedItems) {
    WriteWords(path, {0xDEADBEEF, 1, 3, 0x03010011, 4, 0x03020012, 90, 0x03010011, 7});
    EXPECT_EQ((VeOcItemValueList{{0x03010011, 4}, {0x03020012, 90}, {0x03010011, 7}}), Load());
    EXPECT_EQ(1u, version);
}

TEST_F(ProfileFileTest, VersionsZeroAndOneLoadAlikeAndLaterOnesDoNot) {
    WriteWords(path, {0, 0, 1, 0x03020012, 60});
    const VeOcItemValueList zero = Load();
    WriteWords(path, {0, 1, 1, 0x03020012, 60});
    EXPECT_EQ(zero, Load());
    EXPECT_EQ((VeOcItemValueList{{0x03020012, 60}}), zero);
    WriteWords(path, {0, 2, 1, 0x03020012, 60});
    Load(false);
    WriteWords(path, {0, 0xFFFFFFFF, 0});
    Load(false);
}

TEST_F(ProfileFileTest, ACountBeyondTheFileTakesTheWholeEntriesPresent) {
    WriteWords(path, {0, 1, 10, 1, 11, 2, 22, 3, 33}, 4);
    EXPECT_EQ((VeOcItemValueList{{1, 11}, {2, 22}, {3, 33}}), Load());
    WriteWords(path, {0, 1, 0xFFFFFFFF, 5, 55});
    EXPECT_EQ((VeOcItemValueList{{5, 55}}), Load());
    WriteWords(path, {0, 1, 1, 1, 11, 2, 22});
    EXPECT_EQ((VeOcItemValueList{{1, 11}}), Load());
}

TEST_F(ProfileFileTest, CountZeroLoadsAnEmptyProfile) {
    WriteWords(path, {0, 1, 0, 1, 11});
    EXPECT_TRUE(Load().empty());
}

TEST_F(ProfileFileTest, AFileOfManyEntriesLoadsThemAllWhateverItsCountSays) {
    std::vector<uint32_t> words{0, 1, 0xFFFFFFFF};
    constexpr uint32_t kEntries = 300000;  // 2.4 MB
    for (uint32_t i = 0; i < kEntries; ++i) words.insert(words.end(), {i, i * 3});
    WriteWords(path, words);
    const VeOcItemValueList entries = Load();
    ASSERT_EQ(kEntries, entries.size());
    EXPECT_EQ((VeOcItemValue{kEntries - 1, (kEntries - 1) * 3}), entries.back());
}

TEST_F(ProfileFileTest, MissingOrShortFilesDoNotLoad) {
    Load(false);
    WriteWords(path, {0, 1});
    Load(false);
    WriteWords(path, {0, 1}, 3);
    Load(false);
    WriteWords(path, {}, 0);
    Load(false);
}

}  // namespace
