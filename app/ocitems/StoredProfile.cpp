#include "app/ocitems/StoredProfile.h"

#include "kiln/arvex/BiosInterface.h"
#include "standins/firmlink/firmlink.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t kEndOfPairs = 0xFFFFFFFF;

}  // namespace

bool ReadStoredProfile(uint32_t index, VeOcItemValueList& pairs) {
    pairs.clear();
    std::vector<uint32_t> words(kiln::kPackageCapacity / sizeof(uint32_t));
    uint32_t size = kiln::kPackageCapacity;
    if (!(FirmReadStoredProfile(kStoredProfilesItem, index, words.data(), &size) & 1)) return false;
    // A size beyond the buffer is the firmware's mistake, not more data.
    const size_t available = std::min<size_t>(size, kiln::kPackageCapacity) / sizeof(uint32_t);
    // Word 0 is not part of the pairs; an item number whose value lies past
    // the returned data ends them like the end marker does.
    for (size_t position = 1; position + 1 < available && words[position] != kEndOfPairs; position += 2)
        pairs.push_back({words[position], words[position + 1]});
    return true;
}

void OverlayStoredProfile(const VeOcItemValueList& pairs, VeOcItemValueList& list) {
    for (const VeOcItemValue& pair : pairs)
        for (VeOcItemValue& entry : list)
            if (entry.number == pair.number) entry.value = pair.value;
}
