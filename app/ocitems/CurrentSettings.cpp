#include "app/ocitems/CurrentSettings.h"

#include "app/ocitems/LuOcRatio.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/ItemTraverser.h"

#include <vector>

namespace {

void AppendRatio(LuOcRatio& ratio, RatioEntries entries, VeOcItemValueList& list) {
    if (ratio.Count() == 0 || entries == RatioEntries::Omitted) return;
    const uint32_t number = ratio.ItemNumber();
    if (entries == RatioEntries::DefaultIndex) {
        const uint32_t cores = ratio.PerCore() ? ratio.Count() : 1;
        for (uint32_t core = 0; core < cores; ++core) list.push_back({number, ratio.DefaultIndex()});
        return;
    }
    // All cores or none: entries are matched to cores by position.
    std::vector<uint32_t> indexes;
    if (!ratio.ReadAllExact(indexes)) return;
    for (uint32_t index : indexes) list.push_back({number, index});
}

void AppendGroup3(VeOcItemValueList& list) {
    kiln::ItemTraverser traverser;
    if (!traverser.Open(3)) return;
    for (; !traverser.AtEnd(); traverser.Next()) {
        std::unique_ptr<kiln::BiosItem> item = traverser.CreateItem();
        if (!item || item->IsSkipped() || kiln::ItemLocal(item->Number()) == LuOcRatio::kRatioLocal) continue;
        uint32_t value = 0;
        if (item->ReadIndex(value)) list.push_back({item->Number(), value});
    }
}

}  // namespace

VeOcItemValueList CollectCurrentSettings(LuOcRatio& ratio, RatioEntries entries) {
    VeOcItemValueList list;
    AppendRatio(ratio, entries, list);
    AppendGroup3(list);
    return list;
}
