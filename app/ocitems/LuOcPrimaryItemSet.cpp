#include "app/ocitems/LuOcPrimaryItemSet.h"

#include <algorithm>
#include <cstdio>

#include "app/ocitems/ApplyWitness.h"
#include "app/ocitems/Construction.h"
#include "app/ocitems/LuOcRatio.h"
#include "base/Diagnostics.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/ItemTraverser.h"
#include "vendor/firmlink.h"

namespace {

constexpr const char* kItemsUnreadable = "Can not read the items of group 3";

// A failed read writes nothing: without the current value we cannot tell
// whether the write is needed, and an unneeded write costs a firmware call.
// True when the item holds the value afterwards.
bool WriteIfChanged(const VeOcItemValue& entry, ApplyWitness* witness) {
    uint32_t current = 0;
    if (!kiln::GetItemValue(entry.number, current)) return false;
    if (witness) witness->Found(entry.number, ApplyWitness::kEveryCore, current);
    if (current == entry.value) return true;
    if (witness) witness->BeforeWrite();
    return kiln::Succeeded(kiln::SetItemValueMode(entry.number, entry.value, kiln::kWriteModeTuning));
}

const VeOcItemValue* FindFirst(const VeOcItemValueList& values, uint32_t local) {
    for (const VeOcItemValue& entry : values)
        if (kiln::ItemLocal(entry.number) == local) return &entry;
    return nullptr;
}

}  // namespace

LuOcPrimaryItemSet& LuOcPrimaryItemSet::Instance() {
    static LuOcPrimaryItemSet instance;
    return instance;
}

LuOcPrimaryItemSet::LuOcPrimaryItemSet(LuOcRatio* ratio) : m_ratio(ratio) {
    Load();
}

LuOcPrimaryItemSet::~LuOcPrimaryItemSet() = default;

void LuOcPrimaryItemSet::Load() {
    const ConstructionScope building;
    FirmInitialize();
    m_items.resize(kFirstOrdinaryEntry);
    kiln::ItemTraverser traverser;
    if (!traverser.Open(3)) {
        base::ShowMessage("Can not get any information from group 3", "AcOcItemSetBase", MB_OK);
        return;
    }
    m_loaded = true;
    bool unreadable = false;
    for (; !traverser.AtEnd(); traverser.Next()) {
        std::unique_ptr<kiln::BiosItem> item = traverser.CreateItem();
        if (!item) {
            unreadable = true;
            continue;
        }
        if (item->IsSkipped()) continue;
        size_t entry = 0;
        while (entry < std::size(kReservedLocals) && kReservedLocals[entry] != kiln::ItemLocal(item->Number()))
            ++entry;
        if (entry == std::size(kReservedLocals)) {
            m_items.push_back(std::move(item));
            continue;
        }
        if (item->HasExtraStrings()) {
            char text[64];
            std::snprintf(text, sizeof text, "Item %x can not have extra string", item->Number());
            base::ShowMessage(text, "VeAcpi", MB_OK);
        }
        m_items[entry] = std::move(item);
    }
    // A group that lists but whose items cannot be walked or described
    // leaves the window without the sliders of those items: the user is told
    // why, once, rather than shown a window that silently lacks them.
    const bool nothingRead = std::all_of(m_items.begin(), m_items.end(), [](const auto& item) { return !item; });
    if (unreadable || nothingRead) base::ShowMessage(kItemsUnreadable, "AcOcItemSetBase", MB_OK);
}

kiln::BiosItem* LuOcPrimaryItemSet::Item(size_t entry) const {
    return entry < m_items.size() ? m_items[entry].get() : nullptr;
}

LuOcRatio& LuOcPrimaryItemSet::Ratio() {
    return m_ratio ? *m_ratio : LuOcRatio::Instance();
}

bool LuOcPrimaryItemSet::IsLowering(const VeOcItemValue* frequency, const VeOcItemValue* ratio) {
    kiln::BiosItem* clock = m_items[0].get();
    double current = 0;
    if (!clock || !frequency || !clock->ReadValue(current)) return false;
    double wanted = clock->IndexToValue(frequency->value);
    LuOcRatio& cpuRatio = Ratio();
    if (cpuRatio.InUse()) {
        double currentRatio = cpuRatio.CurrentValue();
        current *= currentRatio;
        // Without a ratio in the list the ratio stays what it is.
        wanted *= ratio ? cpuRatio.IndexToValue(ratio->value) : currentRatio;
    }
    return wanted < current;
}

bool LuOcPrimaryItemSet::ApplyFrequencyPart(const VeOcItemValueList& values, const VeOcItemValue* frequency,
                                            const VeOcItemValue* ratio, ApplyWitness* witness) {
    bool written = !frequency || WriteIfChanged(*frequency, witness);
    if (!ratio) return written;
    std::vector<uint32_t> ratios;
    for (const VeOcItemValue& entry : values)
        if (kiln::ItemLocal(entry.number) == kRatioLocal) ratios.push_back(entry.value);
    return Ratio().WriteAll(ratios, witness) && written;
}

bool LuOcPrimaryItemSet::ApplyOtherPart(const VeOcItemValueList& values, ApplyWitness* witness) {
    bool written = true;
    for (const VeOcItemValue& entry : values) {
        uint32_t local = kiln::ItemLocal(entry.number);
        if (local != kFrequencyLocal && local != kRatioLocal) written = WriteIfChanged(entry, witness) && written;
    }
    return written;
}

bool LuOcPrimaryItemSet::Apply(const VeOcItemValueList& list, ApplyWitness* witness) {
    // Without group 3 neither the clock item nor the ratio set is known, so
    // the safe order cannot be judged and the ratio values would be dropped:
    // a clock raised without its lowered ratio can leave the processor faster
    // than either the old or the new settings meant.
    if (!m_loaded) return false;
    const VeOcItemValueList values = list;  // callers may reuse theirs while we write
    const VeOcItemValue* frequency = FindFirst(values, kFrequencyLocal);
    const VeOcItemValue* ratio = FindFirst(values, kRatioLocal);
    if (IsLowering(frequency, ratio)) {
        const bool frequencyWritten = ApplyFrequencyPart(values, frequency, ratio, witness);
        return ApplyOtherPart(values, witness) && frequencyWritten;
    }
    const bool othersWritten = ApplyOtherPart(values, witness);
    return ApplyFrequencyPart(values, frequency, ratio, witness) && othersWritten;
}
