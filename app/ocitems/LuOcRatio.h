#pragma once
// The processor ratio: one group-3 item read and written once per core
// through the core selector item, on boards that have one. Where the board
// does not set cores one by one, every core gets the same ratio.

#include <cstdint>
#include <memory>
#include <vector>

#include "kiln/arvex/BiosItem.h"

class ApplyWitness;

class LuOcRatio {
public:
    static constexpr uint32_t kSelectorItem = 0x030600F0;
    static constexpr uint32_t kRatioLocal = 19;
    static constexpr uint32_t kCoreCountLocal = 240;
    static constexpr uint32_t kPerCoreItems[2] = {0x00060008, 0x00060009};
    static constexpr uint32_t kAllCores = 255;

    // The process-wide set, built on first use.
    static LuOcRatio& Instance();

    // Builds a set from the firmware now; the program uses Instance().
    LuOcRatio();
    LuOcRatio(const LuOcRatio&) = delete;
    LuOcRatio& operator=(const LuOcRatio&) = delete;
    virtual ~LuOcRatio();

    // Core count; 0 when the board has no ratio item.
    uint32_t Count() const { return m_count; }
    bool IsSkipped() const { return m_item && m_item->IsSkipped(); }
    bool PerCore() const { return m_perCore; }
    bool HasSelector() const { return m_selector; }
    // Not skipped and at least one core.
    bool InUse() const { return !IsSkipped() && m_count > 0; }
    const kiln::BiosItem* Item() const { return m_item.get(); }
    uint32_t ItemNumber() const;
    uint32_t StepCount() const;
    uint32_t DefaultIndex() const;

    // The core's index (the last core's where cores are not set one by one);
    // the default index when the firmware refuses the core or the read,
    // which `read` (when given) then tells.
    virtual uint32_t ReadIndex(uint32_t core, bool* read = nullptr);
    // One index per core where cores are set one by one, otherwise one.
    virtual void ReadAll(std::vector<uint32_t>& indexes);
    // As ReadAll, but false, with `indexes` empty, when any read fails:
    // for lists that will be written back, where a stand-in value would
    // change a core the user never touched.
    virtual bool ReadAllExact(std::vector<uint32_t>& indexes);
    // Writes only what differs from the hardware, and nothing to a core the
    // firmware refused to select. True when every core holds its index
    // afterwards as far as the firmware said. The witness, when given,
    // hears each core's index as read and each write coming.
    virtual bool WriteAll(const std::vector<uint32_t>& indexes, ApplyWitness* witness = nullptr);
    // 0 when the read fails or there is no ratio item.
    virtual double CurrentValue();
    double IndexToValue(uint32_t index) const;
    bool HasFractionalSteps() const;

private:
    void Load();
    // False when the firmware refused the selection.
    bool Select(uint32_t core);
    uint32_t ReadCore(uint32_t core, bool& ok);
    bool ReadEachCore(std::vector<uint32_t>& indexes);
    // The core whose ratio stands for all where cores are not set one by one.
    uint32_t ReadCoreFor(uint32_t core) const { return m_perCore ? core : m_count - 1; }

    std::unique_ptr<kiln::BiosItem> m_item;
    bool m_selector = false;
    uint32_t m_count = 0;
    bool m_perCore = false;
};
