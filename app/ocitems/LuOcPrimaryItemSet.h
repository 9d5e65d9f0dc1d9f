#pragma once
// The group-3 tuning items, with reserved entries for the principal ones so
// that callers find them by position, and the writer that applies a list of
// values in an order that keeps the processor within safe frequencies.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/ocitems/VeOcItemValue.h"
#include "kiln/arvex/BiosItem.h"

class ApplyWitness;
class LuOcRatio;

class LuOcPrimaryItemSet {
public:
    // Low 16 bits of the items held in entries 0-3, in entry order.
    static constexpr uint32_t kReservedLocals[4] = {17, 18, 50, 21};
    // Entry 4 is reserved and stays empty; ordinary items start here.
    static constexpr size_t kFirstOrdinaryEntry = 5;
    static constexpr uint32_t kFrequencyLocal = 17;
    static constexpr uint32_t kRatioLocal = 19;

    // The process-wide set, loaded on first use.
    static LuOcPrimaryItemSet& Instance();

    // Loads a set from the firmware now; the program uses Instance(). The
    // ratio set consulted when applying is LuOcRatio::Instance() unless
    // another is given.
    explicit LuOcPrimaryItemSet(LuOcRatio* ratio = nullptr);
    LuOcPrimaryItemSet(const LuOcPrimaryItemSet&) = delete;
    LuOcPrimaryItemSet& operator=(const LuOcPrimaryItemSet&) = delete;
    virtual ~LuOcPrimaryItemSet();

    // Number of entries, at least 5.
    size_t Count() const { return m_items.size(); }
    // The entry's item, or nullptr for an empty entry or an index past the end.
    kiln::BiosItem* Item(size_t entry) const;

    // Writes the items whose value differs from the hardware. Frequency and
    // ratio go first when the resulting processor frequency goes down, last
    // otherwise, so the processor never passes through a frequency above both
    // the old and the new one. Writes nothing when group 3 could not be read.
    // True when every item holds its value afterwards; false when a read or
    // a write failed (the rest is still written) or nothing could be. The
    // witness, when given, hears each value read and each write coming.
    virtual bool Apply(const VeOcItemValueList& values, ApplyWitness* witness = nullptr);

private:
    void Load();
    LuOcRatio& Ratio();
    bool IsLowering(const VeOcItemValue* frequency, const VeOcItemValue* ratio);
    bool ApplyFrequencyPart(const VeOcItemValueList& values, const VeOcItemValue* frequency,
                            const VeOcItemValue* ratio, ApplyWitness* witness);
    bool ApplyOtherPart(const VeOcItemValueList& values, ApplyWitness* witness);

    std::vector<std::unique_ptr<kiln::BiosItem>> m_items;
    LuOcRatio* m_ratio;
    bool m_loaded = false;
};
