#include "app/profiles/CurrentSettings.h"

#include "app/ocitems/LuOcRatio.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/ItemTraverser.h"

namespace {

constexpr uint32_t kTuningGroup = 3;

void AppendRatioEntries(VeOcItemValueList& list, RatioEntries ratioEntries, LuOcRatio& ratio) {
    if (ratio.Count() == 0) return;
    std::vector<uint32_t> indexes;
    if (ratioEntries == RatioEntries::Hardware)
        ratio.ReadAll(indexes);
    else
        indexes.assign(ratio.PerCore() ? ratio.Count() : 1, ratio.DefaultIndex());
    for (uint32_t index : indexes) list.push_back(VeOcItemValue{ratio.ItemNumber(), index});
}

}  // namespace

void CollectCurrentSettings(VeOcItemValueList& list, RatioEntries ratioEntries, LuOcRatio& ratio) {
    list.clear();
    AppendRatioEntries(list, ratioEntries, ratio);
    kiln::ItemTraverser items;
    if (!items.Open(kTuningGroup)) return;
    for (; !items.AtEnd(); items.Next()) {
        if (!items.CurrentFetched() || kiln::ItemLocal(items.CurrentNumber()) == LuOcRatio::kRatioLocal) continue;
        std::unique_ptr<kiln::BiosItem> item = items.CreateItem();
        uint32_t value = 0;
        if (item->IsSkipped() || !item->ReadIndex(value)) continue;
        list.push_back(VeOcItemValue{item->Number(), value});
    }
}
