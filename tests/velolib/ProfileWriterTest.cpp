// The stand-in profile writer, called by ordinal as the dialog library
// calls it: what it writes is the board's applied state in the program's
// profile format, and a write that fails leaves the old file, or none.

#include "standins/velolib/velolib.h"

#include "app/ocitems/LuOcRatio.h"
#include "app/ocitems/CurrentSettings.h"
#include "app/profiles/VeOcItemProfile.h"
#include "tests/arvex/SimulatedBoard.h"
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

constexpr uint32_t kRatio = 0x030C0013;

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

class ProfileWriterTest : public ::testing::Test {
protected:
    ProfileWriterTest() {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~ProfileWriterTest() override {
        SimulatedBoard::ClearFaults();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    void SetUp() override { SimulatedBoard::Load(""); }

    // What the program itself reads from the board for a snapshot.
    static VeOcItemValueList BoardState() {
        LuOcRatio ratio;
        VeOcItemValueList state;
        state = CollectCurrentSettings(ratio, RatioEntries::CurrentValues);
        return state;
    }
    static VeOcItemValueList Loaded(const std::string& path, uint32_t* version = nullptr) {
        VeOcItemProfile profile;
        EXPECT_TRUE(profile.LoadFromFile(path)) << path;
        if (version) *version = profile.Version();
        return profile.Entries();
    }

    std::string folder = testsupport::TempPath("velolib") + "\\";
    std::string path = folder + "Mine.oc";
};

TEST_F(ProfileWriterTest, WritesTheAppliedStateWithEachCoresRatioFirst) {
    for (uint32_t core = 0; core < 4; ++core) SimulatedBoard::Poke(kRatio, core, 10 + core);
    SimulatedBoard::Poke(0x03020012, 0, 95);
    EXPECT_EQ(1u, VeloWriteProfile(path.c_str()));
    uint32_t version = 0;
    const VeOcItemValueList written = Loaded(path, &version);
    EXPECT_EQ(1u, version);
    EXPECT_EQ(BoardState(), written);
    ASSERT_GE(written.size(), 5u);
    EXPECT_EQ((VeOcItemValue{kRatio, 13}), written[3]);
    EXPECT_NE(kRatio, written[4].number);
}

TEST_F(ProfileWriterTest, ASkippedRatioIsLeftOutAndEveryItemIsReadOnce) {
    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("ratio-locked.json"));
    ASSERT_EQ(1u, VeloWriteProfile(path.c_str()));
    const VeOcItemValueList written = Loaded(path);
    ASSERT_FALSE(written.empty());
    for (const VeOcItemValue& entry : written) EXPECT_NE(kRatio, entry.number);
    SimulatedBoard::Load(SimulatedBoard::ShippedBoard("two-cores.json"));
    ASSERT_EQ(1u, VeloWriteProfile(path.c_str()));
    const VeOcItemValueList twoCores = Loaded(path);
    ASSERT_GE(twoCores.size(), 3u);
    EXPECT_EQ(kRatio, twoCores[1].number);
    EXPECT_NE(kRatio, twoCores[2].number);
}

TEST_F(ProfileWriterTest, AnExistingFileIsReplacedAndNoTemporaryFileStays) {
    std::ofstream(path, std::ios::binary) << std::string(4000, 'x');
    ASSERT_EQ(1u, VeloWriteProfile(path.c_str()));
    EXPECT_EQ(BoardState(), Loaded(path));
    EXPECT_EQ((std::vector<std::string>{"Mine.oc"}), FilesIn(folder));
}

TEST_F(ProfileWriterTest, AFailedWriteLeavesTheOldFileWhole) {
    const std::string old = "old profile";
    std::ofstream(path, std::ios::binary) << old;
    SimulatedBoard::SetFault(3, kFirmFaultListGroup);
    EXPECT_EQ(0u, VeloWriteProfile(path.c_str()));
    EXPECT_EQ(old, testsupport::ReadWholeFile(path));
    SimulatedBoard::ClearFaults();

    // A target the file cannot replace: a folder of that name.
    const std::string blocked = folder + "Blocked.oc";
    std::filesystem::create_directories(blocked);
    EXPECT_EQ(0u, VeloWriteProfile(blocked.c_str()));
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    EXPECT_EQ((std::vector<std::string>{"Blocked.oc", "Mine.oc"}), [&] {
        auto names = FilesIn(folder);
        std::sort(names.begin(), names.end());
        return names;
    }());
    EXPECT_EQ(old, testsupport::ReadWholeFile(path));
}

TEST_F(ProfileWriterTest, NoFolderOrNoPathWritesNothing) {
    const std::string nowhere = folder + "missing\\Mine.oc";
    EXPECT_EQ(0u, VeloWriteProfile(nowhere.c_str()));
    EXPECT_FALSE(std::filesystem::exists(folder + "missing"));
    EXPECT_EQ(0u, VeloWriteProfile(""));
    EXPECT_EQ(0u, VeloWriteProfile(nullptr));
}

}  // namespace
