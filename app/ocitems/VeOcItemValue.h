#pragma once
// One firmware item and the step index it holds or should hold. Ordered lists
// of these are what the controller collects, the item sets write and
// profiles keep; a list may name the same item more than once.

#include <cstdint>
#include <vector>

struct VeOcItemValue {
    uint32_t number = 0;
    uint32_t value = 0;

    friend bool operator==(const VeOcItemValue&, const VeOcItemValue&) = default;
};

using VeOcItemValueList = std::vector<VeOcItemValue>;
