#include "kiln/arvex/StoredProfiles.h"

#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/ItemTraverser.h"
#include "vendor/firmlink.h"

#include <algorithm>
#include <array>

namespace kiln {
namespace {

constexpr uint32_t kProfileGroup = ItemGroup(kStoredProfilesItem);
constexpr uint32_t kProfileEnd = 0xFFFFFFFF;

}  // namespace

bool ReadStoredProfileNames(std::vector<std::string>& names) {
    names.clear();
    ItemTraverser traverser;
    if (!traverser.Open(kProfileGroup)) return false;
    std::unique_ptr<BiosItem> namesItem;
    bool complete = true;
    for (; !traverser.AtEnd(); traverser.Next()) {
        if (!traverser.CurrentFetched())
            complete = false;
        else if (ItemLocal(traverser.CurrentNumber()) == ItemLocal(kStoredProfilesItem))
            namesItem = traverser.CreateItem();
    }
    if (namesItem && ItemKind(namesItem->Number()) == kKindString)
        for (uint32_t i = 0; i < namesItem->StepCount(); ++i) names.push_back(namesItem->IndexToString(i));
    return complete;
}

bool ReadStoredProfile(uint32_t index, std::vector<std::pair<uint32_t, uint32_t>>& pairs) {
    std::array<uint32_t, kPackageCapacity / 4> words{};
    uint32_t size = kPackageCapacity;
    if (!Succeeded(FirmReadStoredProfile(kStoredProfilesItem, index, words.data(), &size))) return false;
    // Word 0 is not part of the list.
    const size_t count = std::min<size_t>(size / 4, words.size());
    pairs.clear();
    for (size_t i = 1; i + 1 < count && words[i] != kProfileEnd; i += 2) pairs.emplace_back(words[i], words[i + 1]);
    return true;
}

}  // namespace kiln
