// Reading profile files: versions, counts that promise more or fewer
// entries than the file holds, repeated items, files too short to be read
// and files whose size cannot be known; and which files hold a profile
// whole, as a save must leave it.

#include "app/profiles/VeOcItemProfile.h"

#include "ProfileWords.h"
#include "base/Handles.h"
#include "kiln/fileutl/ProfileFile.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

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

TEST_F(ProfileFileTest, AWholeProfileHoldsExactlyTheEntriesItsCountSays) {
    auto whole = [this](const std::vector<uint32_t>& words, size_t extraBytes = 0) {
        WriteWords(path, words, extraBytes);
        return kiln::IsWholeProfileFile(path);
    };
    EXPECT_TRUE(whole({0, 1, 2, 1, 11, 2, 22}));
    EXPECT_TRUE(whole({0, 0, 0}));
    EXPECT_FALSE(whole({0, 1, 3, 1, 11, 2, 22})) << "cut short";
    EXPECT_FALSE(whole({0, 1, 1, 1, 11, 2, 22})) << "more entries than counted";
    EXPECT_FALSE(whole({0, 1, 1, 1, 11}, 4)) << "a trailer";
    EXPECT_FALSE(whole({0, 2, 1, 1, 11})) << "a later version";
    EXPECT_FALSE(whole({0, 1})) << "no whole head";
    DeleteFileA(path.c_str());
    EXPECT_FALSE(kiln::IsWholeProfileFile(path)) << "no file";
}

// A pipe reads like a file but has no size: how many entries it holds
// cannot be known, so it does not load however good its head.
TEST_F(ProfileFileTest, AFileWhoseSizeCannotBeQueriedDoesNotLoad) {
    path = "\\\\.\\pipe\\profile-" + std::to_string(GetCurrentProcessId());
    base::FileHandle pipe(
        CreateNamedPipeA(path.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 64, 64, 0, nullptr));
    ASSERT_TRUE(pipe);
    std::thread serve([&pipe] {
        ConnectNamedPipe(pipe.Get(), nullptr);
        const uint32_t words[] = {0, 1, 1, 0x03020012, 60};
        DWORD written = 0;
        WriteFile(pipe.Get(), words, sizeof words, &written, nullptr);
    });
    EXPECT_TRUE(Load(false).empty());
    // Connects in the reader's place should it never have: the server ends.
    base::FileHandle late(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    serve.join();
}

}  // namespace
