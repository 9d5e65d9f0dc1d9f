#include "kiln/arvex/BiosInterface.h"

#include <array>
#include <map>
#include <memory>

#include "kiln/arvex/FirmwareAnswers.h"
#include "kiln/arvex/GroupInfoTraverser.h"
#include "kiln/arvex/PackageView.h"
#include "vendor/firmlink.h"

namespace kiln {
namespace {

using Package = std::array<uint8_t, kPackageCapacity>;

// Number of the item behind one group-list element, or false when its
// description cannot be fetched.
bool DescribedNumber(const void* element, Package& buffer, uint32_t& number) {
    uint32_t size = kPackageCapacity;
    if (!DescribeItem(element, buffer.data(), size) || size > kPackageCapacity) return false;
    PackageView view(buffer.data(), size);
    return view.Count() > 0 && view.ReadInt(view.First(), number);
}

}  // namespace

bool IsItemPresent(uint32_t number) {
    return AreItemsPresent({number})[0];
}

std::vector<bool> AreItemsPresent(const std::vector<uint32_t>& numbers) {
    std::vector<bool> found(numbers.size(), false);
    std::map<uint32_t, size_t> missingPerGroup;
    for (uint32_t number : numbers) ++missingPerGroup[ItemGroup(number)];
    auto buffer = std::make_unique<Package>();
    for (auto& [group, missing] : missingPerGroup) {
        GroupInfoTraverser traverser;
        if (!traverser.Open(group)) continue;
        for (; !traverser.AtEnd() && missing > 0; traverser.Next()) {
            uint32_t listed = 0;
            if (!DescribedNumber(traverser.Current(), *buffer, listed)) continue;
            for (size_t i = 0; i < numbers.size(); ++i) {
                if (numbers[i] == listed && !found[i]) {
                    found[i] = true;
                    --missing;
                }
            }
        }
    }
    return found;
}

bool GetItemValue(uint32_t number, uint32_t& value) {
    return Succeeded(FirmReadItem(number, &value));
}

bool SetItemValue(uint32_t number, uint32_t value) {
    return Succeeded(FirmWriteItem(number, value, kWriteModeSelect));
}

uint32_t SetItemValueMode(uint32_t number, uint32_t value, uint32_t mode) {
    return FirmWriteItem(number, value, mode);
}

bool GetItemLimit(uint32_t number, uint32_t argument, uint32_t& value) {
    return Succeeded(FirmReadItemLimit(number, argument, &value));
}

bool ReadInterfaceInfo(uint32_t* out, uint32_t first, uint32_t count, uint32_t* packageElements) {
    if (packageElements) *packageElements = 0;
    auto buffer = std::make_unique<Package>();
    uint32_t size = kPackageCapacity;
    FirmInterfaceInfo(buffer->data(), &size);
    if (size > kPackageCapacity) return true;
    PackageView view(buffer->data(), size);
    uint32_t elements = view.Count();
    if (packageElements) *packageElements = elements;
    uint32_t available = elements > 2 ? elements - 2 : 0;
    // Written so that neither the subtraction nor first + count can wrap.
    if (first >= available) return true;
    if (count > available - first) count = available - first;
    const void* cursor = view.First();
    for (uint32_t i = 0; i < 2 + first && cursor; ++i) cursor = view.Next(cursor);
    for (uint32_t i = 0; i < count && cursor; ++i, cursor = view.Next(cursor)) {
        uint32_t value = 0;
        if (!view.ReadInt(cursor, value)) break;
        out[i] = value;
    }
    return true;
}

}  // namespace kiln
