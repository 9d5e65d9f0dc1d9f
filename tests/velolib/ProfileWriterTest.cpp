// The stand-in profile writer, called by ordinal as the dialog library
// calls it: what it writes is the board's applied state in the program's
// profile format, and a write that fails leaves the old file, or none.

#include "vendor/velolib.h"

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

// The firmware failing under the writer: it never reads through a missing
// element, and what it writes is whole and true to the board.
class FailingFirmwareWriterTest : public ProfileWriterTest {
protected:
    static void Fail(uint32_t ordinal, uint32_t mode, uint32_t parameter, uint32_t seed = 0) {
        ASSERT_EQ(SimulatedBoard::Extra<FirmFailOrdinalFn>("FirmSimFailOrdinal")(ordinal, mode, parameter, seed), 1u);
    }
};

TEST_F(FailingFirmwareWriterTest, ElementsWithoutDataWriteNothingOrTheWholeBoard) {
    const VeOcItemValueList board = BoardState();
    for (uint32_t ordinal : {9u, 10u}) {
        for (uint32_t seed = 1; seed <= 8; ++seed) {
            SCOPED_TRACE("ordinal " + std::to_string(ordinal) + ", seed " + std::to_string(seed));
            std::filesystem::remove(path);
            Fail(ordinal, kFirmFailRandomly, 100, seed);
            const uint32_t result = VeloWriteProfile(path.c_str());
            SimulatedBoard::ClearFaults();
            if (!std::filesystem::exists(path)) {
                EXPECT_EQ(result, 0u);
                continue;
            }
            EXPECT_EQ(Loaded(path), board);
        }
    }
    Fail(9, kFirmFailEveryCall, 0);
    EXPECT_EQ(VeloWriteProfile(path.c_str()), 0u);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(FailingFirmwareWriterTest, ASettingThatCannotBeReadWritesNoProfile) {
    // Core selections come first; the third of them (core 2) is refused.
    Fail(2, kFirmFailNthCall, 3);
    EXPECT_EQ(VeloWriteProfile(path.c_str()), 0u);
    EXPECT_FALSE(std::filesystem::exists(path));
    // One item's value or description, or the count of the group's list.
    for (uint32_t ordinal : {3u, 11u, 7u}) {
        SimulatedBoard::ClearFaults();
        Fail(ordinal, kFirmFailNthCall, 6);
        EXPECT_EQ(VeloWriteProfile(path.c_str()), 0u) << ordinal;
        EXPECT_FALSE(std::filesystem::exists(path)) << ordinal;
    }
    SimulatedBoard::ClearFaults();
    EXPECT_EQ(VeloWriteProfile(path.c_str()), 1u);
    EXPECT_EQ(Loaded(path), BoardState());
}
