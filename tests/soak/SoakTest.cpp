// Two copies of the program on one simulated board, driven through a long
// seeded mix of what users, other programs and the system do. Afterwards
// the board holds what the operations promise, every saved profile reads
// back as saved and deleted ones are gone, and neither copy holds more
// windows, handles or memory than after start-up, within a small bound.
//
// The program lets one copy run per logon: a second start finds the named
// mutex taken and hands over. A name taken by an object of another type
// makes the mutex impossible to create, and such a start is treated as a
// first one; the soak takes the name that way, so both copies run side by
// side under one wineserver and share the board's memory, as every process
// of one machine does. VELTRUNE_SOAK_OPERATIONS and VELTRUNE_SOAK_SEED pick
// the run's length and mix.

#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/ItemTraverser.h"
#include "kiln/arvex/StoredProfiles.h"
#include "kiln/fileutl/ProfileFolder.h"
#include "tests/arvex/SimulatedBoard.h"
#include "tests/soak/SoakScript.h"
#include "tests/support/ChildProcess.h"
#include "vendor/VeltruneMessages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>

namespace soak {
namespace {

constexpr const char* kInstanceName = "1C845AE4-7D13-49d5-A913-415C41157F21";
constexpr uint32_t kLimitItem = 0x030600F1;
constexpr uint32_t kRatioLocal = 0x13;
constexpr uint32_t kDefaultOperations = 1000;
constexpr uint32_t kDefaultSeed = 15;
// Growth allowed between start-up and the soak's end: memory the heap keeps
// for reuse and the dialog library's windows and pictures, made on first use.
constexpr SIZE_T kMemoryBound = 4u << 20;
constexpr DWORD kHandleBound = 16;
constexpr DWORD kGuiObjectBound = 16;

uint32_t FromEnvironment(const char* name, uint32_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<uint32_t>(std::strtoul(text, nullptr, 0)) : fallback;
}

std::string ProfileFile(const std::string& name) {
    return kiln::ProfilePath(kiln::GetProfileFolder(), name);
}

// The words of a profile file: header, version, count, then the pairs.
bool ReadProfileFile(const std::string& path, uint32_t& version, Entries& entries, std::string& problem) {
    const std::string bytes = testsupport::ReadWholeFile(path);
    if (bytes.size() < 12 || bytes.size() % 4 != 0) {
        problem = "the file has " + std::to_string(bytes.size()) + " bytes";
        return false;
    }
    std::vector<uint32_t> words(bytes.size() / 4);
    std::memcpy(words.data(), bytes.data(), bytes.size());
    version = words[1];
    const uint32_t count = words[2];
    if (words.size() != 3 + 2 * static_cast<size_t>(count)) {
        problem = "the count says " + std::to_string(count) + " entries in " + std::to_string(bytes.size()) + " bytes";
        return false;
    }
    for (uint32_t i = 0; i < count; ++i) entries.emplace_back(words[3 + 2 * i], words[4 + 2 * i]);
    return true;
}

std::string Describe(const ResourceFigures& f) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "GDI %lu, USER %lu, PrivateUsage %zu KiB, PagefileUsage %zu KiB, working set %zu KiB, handles %lu, "
                  "windows %lu",
                  static_cast<unsigned long>(f.gdiObjects), static_cast<unsigned long>(f.userObjects),
                  static_cast<size_t>(f.privateUsage >> 10), static_cast<size_t>(f.pagefileUsage >> 10),
                  static_cast<size_t>(f.workingSet >> 10), static_cast<unsigned long>(f.kernelHandles),
                  static_cast<unsigned long>(f.windows));
    return text;
}

// A figure the system reports as zero after start-up is not reported at
// all; the others may grow by `bound` at most.
template <class T>
void ExpectWithin(const char* what, T started, T after, T bound, size_t copy) {
    if (started == 0) {
        std::printf("copy %zu: %s not reported\n", copy, what);
        return;
    }
    EXPECT_LE(after, started + bound) << what << " of copy " << copy;
}

class TwoCopiesSoak : public ::testing::Test {
protected:
    // A name is used as typed: "Soak Elm.oc" is the file "Soak Elm.oc.oc".
    static constexpr const char* kProfileNames[] = {"Soak Amber", "Soak Birch", "Soak Cedar", "Soak Dune",
                                                    "Soak Elm.oc"};

    void SetUp() override {
        SimulatedBoard::Load("");
        RemoveProfiles();
        m_instanceName = base::KernelHandle(CreateEventA(nullptr, TRUE, FALSE, kInstanceName));
        ASSERT_TRUE(m_instanceName);
        service = std::make_unique<testsupport::ServiceProcess>(std::vector<std::string>{"--state", "0"});
        ASSERT_TRUE(service->Listening());
        for (int i = 0; i < 2; ++i) {
            copies.push_back(std::make_unique<SoakCopy>(testsupport::TestFolder() + "program\\"));
            ASSERT_TRUE(copies.back()->Ready()) << "copy " << i << " did not start";
        }
        ASSERT_NE(copies[0]->MainWindow(), copies[1]->MainWindow());
        for (auto& copy : copies) {
            // Shown, as a second start or the icon asks.
            copy->Send(veltrune::msg::kShowFromSecondStart, veltrune::msg::kTag, 0);
            ASSERT_TRUE(IsWindowVisible(copy->MainWindow()));
        }
    }
    void TearDown() override {
        copies.clear();
        service.reset();
        RemoveProfiles();
    }
    // Every profile of the soak, one an earlier run left included.
    static void RemoveProfiles() {
        const std::string folder = kiln::GetProfileFolder();
        for (const std::string& name : testsupport::FileNames(folder + "Soak *.oc"))
            DeleteFileA((folder + name).c_str());
    }

    // Group 3 as the copies show it: every item that is not skipped, the
    // ratio once per core, and which of them have bars.
    std::vector<ItemInfo> Items() const {
        std::vector<ItemInfo> items;
        kiln::ItemTraverser traverser;
        if (!traverser.Open(3)) return items;
        for (; !traverser.AtEnd(); traverser.Next()) {
            std::unique_ptr<kiln::BiosItem> item = traverser.CreateItem();
            if (!item || item->IsSkipped()) continue;
            ItemInfo info;
            info.number = item->Number();
            info.stepCount = item->StepCount();
            info.defaultIndex = item->DefaultIndex();
            uint32_t limit = 0;
            if (FirmReadItemLimit(kLimitItem, kiln::ItemLocal(info.number), &limit) & 1) info.limit = limit >> 16;
            // Step buttons mark a slider or an option row; the ratio has bars
            // of its own. Items of a group the page does not show have none.
            if (kiln::ItemLocal(info.number) == kRatioLocal) {
                info.cores = CoreCount(info.number);
            } else {
                info.hasBar = copies[0]->Control(SoakCopy::Part(info.number, "Increase")) != nullptr;
            }
            items.push_back(info);
        }
        return items;
    }

    // Peeking a core the board lacks fails.
    static uint32_t CoreCount(uint32_t item) {
        const auto peek = SimulatedBoard::Extra<FirmPeekFn>("FirmSimPeek");
        uint32_t cores = 1, value = 0;
        while (cores < 255 && (peek(item, cores, &value) & 1)) ++cores;
        return cores;
    }

    static Values BoardValues(const std::vector<ItemInfo>& items) {
        Values values;
        for (const ItemInfo& item : items)
            for (uint32_t core = 0; core < item.cores; ++core) values[item.number].push_back(SimulatedBoard::Peek(item.number, core));
        return values;
    }

    ScriptSetting Setting() const {
        ScriptSetting setting;
        for (auto& copy : copies) setting.copies.push_back(copy.get());
        setting.service = service.get();
        EXPECT_TRUE(kiln::ReadStoredProfileNames(setting.builtInNames));
        for (uint32_t index = 0; index < setting.builtInNames.size(); ++index) {
            std::vector<std::pair<uint32_t, uint32_t>> pairs;
            EXPECT_TRUE(kiln::ReadStoredProfile(index, pairs)) << index;
            setting.builtInPairs.emplace_back(pairs.begin(), pairs.end());
        }
        for (const char* name : kProfileNames) setting.profileNames.push_back(name);
        return setting;
    }

    std::unique_ptr<testsupport::ServiceProcess> service;
    std::vector<std::unique_ptr<SoakCopy>> copies;

private:
    base::KernelHandle m_instanceName;
};

void ExpectBoardAsModelled(const BoardModel& model, const std::string& when) {
    for (const auto& [item, values] : model.Board())
        for (size_t core = 0; core < values.size(); ++core)
            EXPECT_EQ(SimulatedBoard::Peek(item, static_cast<uint32_t>(core)), values[core])
                << "item " << std::hex << item << std::dec << " core " << core << " " << when;
}

TEST_F(TwoCopiesSoak, MixedOperationsLoseNothingAndLeakNothing) {
    const std::vector<ItemInfo> items = Items();
    ASSERT_FALSE(items.empty());
    BoardModel model(items, BoardValues(items), copies.size());
    const ScriptSetting setting = Setting();

    // Each layout is shown once before the figures are taken: the larger
    // backgrounds and shadows are read at their first use and the tooltip
    // is made at the first mouse message. That is growth once, not a leak.
    for (auto& copy : copies) {
        for (const char* name : {"MoreSetting", "RatioTab", "AdvanceTab", "MoreSetting"}) {
            const HWND control = copy->Control(name);
            ASSERT_NE(control, nullptr) << name;
            copy->Click(control);
        }
    }
    for (auto& copy : copies) ASSERT_TRUE(copy->Drain(*service));
    std::vector<ResourceFigures> started;
    for (auto& copy : copies) started.push_back(copy->Figures());

    const uint32_t operations = FromEnvironment("VELTRUNE_SOAK_OPERATIONS", kDefaultOperations);
    const uint32_t seed = FromEnvironment("VELTRUNE_SOAK_SEED", kDefaultSeed);
    SoakScript script(setting, model, seed);
    std::deque<std::string> recent;
    const auto begin = std::chrono::steady_clock::now();
    for (uint32_t n = 1; n <= operations && !HasFatalFailure(); ++n) {
        const int failuresBefore = ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
        script.RunOne();
        recent.push_back(std::to_string(n) + ": " + script.Last());
        if (recent.size() > 12) recent.pop_front();
        if (n % 50 == 0 || n == operations) {
            for (auto& copy : copies) ASSERT_TRUE(copy->Drain(*service));
            ExpectBoardAsModelled(model, "after operation " + std::to_string(n));
        }
        if (::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count() != failuresBefore) {
            std::string trail;
            for (const std::string& line : recent) trail += "  " + line + "\n";
            ADD_FAILURE() << "seed " << seed << ", the last operations:\n" << trail;
            break;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("soak: %u operations, seed %u, %.1f s:%s\n", operations, seed, seconds, script.Tally().c_str());

    for (size_t i = 0; i < copies.size(); ++i) {
        const ResourceFigures after = copies[i]->Figures();
        std::printf("copy %zu after start-up: %s\ncopy %zu after the soak: %s\n", i, Describe(started[i]).c_str(), i,
                    Describe(after).c_str());
        ExpectWithin("GDI objects", started[i].gdiObjects, after.gdiObjects, kGuiObjectBound, i);
        ExpectWithin("USER objects", started[i].userObjects, after.userObjects, kGuiObjectBound, i);
        ExpectWithin("PrivateUsage", started[i].privateUsage, after.privateUsage, kMemoryBound, i);
        ExpectWithin("PagefileUsage", started[i].pagefileUsage, after.pagefileUsage, kMemoryBound, i);
        ExpectWithin("kernel handles", started[i].kernelHandles, after.kernelHandles, kHandleBound, i);
        EXPECT_EQ(after.windows, started[i].windows) << "copy " << i;
    }

    // The profile writer writes beside the profile and moves its file into
    // place, and the save dialog keeps the profile it replaces beside it
    // until the new one stands; nothing either started may be left behind.
    EXPECT_EQ(testsupport::FileNames(kiln::GetProfileFolder() + "*.tmp"), std::vector<std::string>{})
        << "left in the profile folder";

    for (const char* name : kProfileNames) {
        const auto saved = model.Profiles().find(name);
        const std::string path = ProfileFile(name);
        if (saved == model.Profiles().end()) {
            EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << name << " was deleted";
            continue;
        }
        uint32_t version = 0;
        Entries entries;
        std::string problem;
        ASSERT_TRUE(ReadProfileFile(path, version, entries, problem)) << name << ": " << problem;
        EXPECT_EQ(version, 1u) << name;
        EXPECT_EQ(entries, saved->second) << name;
    }
}

}  // namespace
}  // namespace soak
