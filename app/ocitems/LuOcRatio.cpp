#include "app/ocitems/LuOcRatio.h"

#include <cmath>

#include "app/ocitems/ApplyWitness.h"
#include "app/ocitems/Construction.h"
#include "base/Diagnostics.h"
#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/ItemTraverser.h"

LuOcRatio& LuOcRatio::Instance() {
    static LuOcRatio instance;
    return instance;
}

LuOcRatio::LuOcRatio() {
    Load();
}

LuOcRatio::~LuOcRatio() = default;

void LuOcRatio::Load() {
    const ConstructionScope building;
    kiln::ItemTraverser traverser;
    if (!traverser.Open(3)) {
        base::ShowMessage("Can not get any information from group 3", "AcOcItemSetBase", MB_OK);
        return;
    }
    // One walk of the group answers all three questions (ratio item, core
    // selector present, core-count item): every describe call is a firmware
    // round trip.
    bool selectorSeen = false;
    std::unique_ptr<kiln::BiosItem> coreItem;
    for (; !traverser.AtEnd(); traverser.Next()) {
        if (!traverser.CurrentFetched()) continue;
        uint32_t number = traverser.CurrentNumber();
        if (number == kSelectorItem) selectorSeen = true;
        if (!m_item && kiln::ItemLocal(number) == kRatioLocal) m_item = traverser.CreateItem();
        if (!coreItem && kiln::ItemLocal(number) == kCoreCountLocal) coreItem = traverser.CreateItem();
    }
    traverser.Close();

    if (m_item) {
        m_selector = selectorSeen;
        m_count = m_selector && coreItem ? coreItem->StepCount() : 1;
    }

    auto present = kiln::AreItemsPresent({kPerCoreItems[0], kPerCoreItems[1]});
    uint32_t flags = 0;
    m_perCore = present[0] && present[1] && kiln::GetItemValue(kPerCoreItems[0], flags) && (flags & 2) &&
                kiln::GetItemValue(kPerCoreItems[1], flags) && (flags & 2);
}

uint32_t LuOcRatio::ItemNumber() const {
    return m_item ? m_item->Number() : 0;
}

uint32_t LuOcRatio::StepCount() const {
    return m_item ? m_item->StepCount() : 0;
}

uint32_t LuOcRatio::DefaultIndex() const {
    return m_item ? m_item->DefaultIndex() : 0;
}

bool LuOcRatio::Select(uint32_t core) {
    return !m_selector || kiln::SetItemValue(kSelectorItem, core);
}

uint32_t LuOcRatio::ReadCore(uint32_t core, bool& ok) {
    // A refused selection leaves the previous core selected: what could be
    // read then belongs to another core.
    uint32_t index = 0;
    ok = Select(core) && m_item->ReadIndex(index);
    return ok ? index : m_item->DefaultIndex();
}

uint32_t LuOcRatio::ReadIndex(uint32_t core, bool* read) {
    bool ok = false;
    const uint32_t index = m_item && m_count > 0 ? ReadCore(ReadCoreFor(core), ok) : 0;
    if (read) *read = ok;
    return index;
}

void LuOcRatio::ReadAll(std::vector<uint32_t>& indexes) {
    ReadEachCore(indexes);
}

bool LuOcRatio::ReadAllExact(std::vector<uint32_t>& indexes) {
    if (ReadEachCore(indexes)) return true;
    indexes.clear();
    return false;
}

// True when every read succeeded; a failed one gives the default index.
bool LuOcRatio::ReadEachCore(std::vector<uint32_t>& indexes) {
    indexes.clear();
    if (!m_item || m_count == 0) return true;
    bool all = true;
    for (uint32_t i = 0, n = m_perCore ? m_count : 1; i < n; ++i) {
        bool ok = false;
        indexes.push_back(ReadCore(ReadCoreFor(i), ok));
        all = all && ok;
    }
    return all;
}

bool LuOcRatio::WriteAll(const std::vector<uint32_t>& indexes, ApplyWitness* witness) {
    if (!m_item || IsSkipped() || m_count == 0 || indexes.empty()) return true;
    const auto write = [this](uint32_t index) {
        return kiln::Succeeded(m_item->WriteIndex(index, kiln::kWriteModeTuning));
    };
    bool written = true;
    bool changed = false;
    uint32_t wanted = 0;
    if (m_perCore) {
        for (uint32_t core = 0; core < m_count; ++core) {
            bool ok = false;
            uint32_t current = ReadCore(core, ok);
            if (core < indexes.size()) wanted = indexes[core];
            // A core whose ratio cannot be read is left as it is.
            if (!ok) {
                written = false;
                continue;
            }
            if (witness) witness->Found(ItemNumber(), core, current);
            if (current != wanted) {
                if (witness) witness->BeforeWrite();
                written = write(wanted) && written;
                changed = true;
            }
        }
    } else {
        bool ok = false;
        uint32_t current = ReadCore(m_count - 1, ok);
        wanted = indexes[0];
        if (ok && witness) witness->Found(ItemNumber(), ApplyWitness::kEveryCore, current);
        if (!ok) {
            written = false;
        } else if (current != wanted) {
            if (witness) witness->BeforeWrite();
            for (uint32_t core = 0; core < m_count; ++core) written = Select(core) && write(wanted) && written;
            changed = true;
        }
    }
    if (m_selector && changed) written = Select(kAllCores) && write(wanted) && written;
    return written;
}

double LuOcRatio::CurrentValue() {
    if (!m_item || m_count == 0) return 0;
    double value = 0;
    return Select(m_count - 1) && m_item->ReadValue(value) ? value : 0;
}

double LuOcRatio::IndexToValue(uint32_t index) const {
    return m_item ? m_item->IndexToValue(index) : 0;
}

bool LuOcRatio::HasFractionalSteps() const {
    if (!m_item || m_item->StepCount() == 0) return false;
    double step = m_item->StepCount() == 1 ? m_item->IndexToValue(0)
                                           : m_item->IndexToValue(1) - m_item->IndexToValue(0);
    // Step values are differences of decimal fractions held in binary: a
    // tenth computed as 8.1 - 8.0 comes out just below 0.1.
    return std::fmod(step, 1.0) >= 0.1 - 1e-9;
}
