#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/ItemTraverser.h"
#include "standins/firmlink/firmlink.h"
#include "tools/firmctl/Commands.h"
#include "tools/firmctl/Output.h"

namespace firmctl {
namespace {

constexpr uint32_t kProfilesItem = 0x05080002;
constexpr uint32_t kProfileGroup = 5;
constexpr uint32_t kProfileEnd = 0xFFFFFFFF;

// The names are the texts of the group-5 item numbered 2 in its group; the
// last such item counts, as it does for the program.
bool ReadProfileNames(std::vector<std::string>& names) {
    kiln::ItemTraverser traverser;
    if (!traverser.Open(kProfileGroup)) return false;
    std::unique_ptr<kiln::BiosItem> names_item;
    for (; !traverser.AtEnd(); traverser.Next())
        if (traverser.CurrentFetched() && kiln::ItemLocal(traverser.CurrentNumber()) == 2)
            names_item = traverser.CreateItem();
    names.clear();
    if (names_item && kiln::ItemKind(names_item->Number()) == kiln::kKindString)
        for (uint32_t i = 0; i < names_item->StepCount(); ++i) names.push_back(names_item->IndexToString(i));
    return true;
}

// Word 0 is not part of the list; pairs run to the end marker or the end of the data.
bool ReadProfile(uint32_t index, std::vector<std::pair<uint32_t, uint32_t>>& pairs) {
    std::array<uint32_t, kFirmPackageCapacity / 4> words{};
    uint32_t size = kFirmPackageCapacity;
    if (!(FirmReadStoredProfile(kProfilesItem, index, words.data(), &size) & 1)) return false;
    size_t count = std::min<size_t>(size / 4, words.size());
    pairs.clear();
    for (size_t i = 1; i + 1 < count && words[i] != kProfileEnd; i += 2) pairs.emplace_back(words[i], words[i + 1]);
    return true;
}

}  // namespace

int ListProfiles(int argc, char**) {
    if (argc != 0) {
        Fail("usage: firmctl profiles");
        return kExitUnsupported;
    }
    std::vector<std::string> names;
    if (!ReadProfileNames(names)) {
        Fail("cannot list group %u", kProfileGroup);
        return kExitFailed;
    }
    int result = kExitOk;
    for (uint32_t i = 0; i < names.size(); ++i) {
        Print("%u\t%s\n", i, names[i].c_str());
        std::vector<std::pair<uint32_t, uint32_t>> pairs;
        if (!ReadProfile(i, pairs)) {
            Fail("cannot read built-in profile %u", i);
            result = kExitFailed;
            continue;
        }
        for (const auto& [number, value] : pairs) Print("\t0x%08X\t%u\n", number, value);
    }
    return result;
}

}  // namespace firmctl
