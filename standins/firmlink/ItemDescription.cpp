#include "standins/firmlink/ItemDescription.h"

namespace firmsim {

PackageBuilder DescribeItemPackage(const BoardItem& item) {
    PackageBuilder package;
    package.Integer(item.number).String(item.name).Integer(item.attribute).Integer(item.defaultIndex);
    switch (item.kind) {
    case ItemKind::Number:
        package.Integer(item.baseWord).Integer(item.stepWord).Integer(item.numericSteps);
        if (!item.extraStrings.empty()) {
            package.Integer(static_cast<uint32_t>(item.extraStrings.size()));
            for (const auto& text : item.extraStrings) package.String(text);
        }
        break;
    case ItemKind::String:
        package.Integer(static_cast<uint32_t>(item.strings.size()));
        for (const auto& text : item.strings) package.String(text);
        break;
    case ItemKind::Boolean:
        break;
    }
    return package;
}

PackageBuilder GroupListPackage(const BoardGroup& group) {
    PackageBuilder package;
    for (const auto& item : group.items) package.Integer(item.number);
    return package;
}

std::vector<uint32_t> StoredProfileWords(const StoredProfile& profile) {
    std::vector<uint32_t> words;
    words.push_back(static_cast<uint32_t>(profile.values.size()));
    for (const auto& [number, value] : profile.values) {
        words.push_back(number);
        words.push_back(value);
    }
    words.push_back(0xFFFFFFFF);
    return words;
}

}  // namespace firmsim
