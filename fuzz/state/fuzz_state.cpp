// State files of the simulated firmware (the values an instance keeps
// between processes), read by the real ParseBoardState. What it accepts must
// survive being written back and read again unchanged.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "standins/firmlink/BoardState.h"
#include "standins/firmlink/SharedBlock.h"

namespace {

constexpr char kInstance[] = "fuzz instance";
constexpr uint32_t kFingerprint = 0x1234ABCD;

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

bool SameItems(const std::vector<firmsim::SavedItem>& a, const std::vector<firmsim::SavedItem>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].item != b[i].item || a[i].values != b[i].values) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<firmsim::SavedItem> items;
    std::string why;
    if (!firmsim::ParseBoardState(text, kInstance, kFingerprint, items, why)) {
        Check(!why.empty(), "a refusal says why");
        return 0;
    }
    Check(why.empty(), "no reason given for an accepted file");
    for (const auto& item : items)
        Check(!item.values.empty() && item.values.size() <= firmsim::kMaxCores, "one to sixteen values per item");
    if (items.size() > firmsim::kMaxSharedSlots) return 0;

    static const auto block = std::make_unique<firmsim::SharedBlock>();
    *block = firmsim::SharedBlock{};
    block->fingerprint = kFingerprint;
    block->slotCount = static_cast<uint32_t>(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        block->slots[i].item = items[i].item;
        block->slots[i].valueCount = static_cast<uint32_t>(items[i].values.size());
        for (size_t v = 0; v < items[i].values.size(); ++v) block->slots[i].values[v] = items[i].values[v];
    }
    std::vector<firmsim::SavedItem> again;
    Check(firmsim::ParseBoardState(firmsim::FormatBoardState(*block, kInstance), kInstance, kFingerprint, again, why),
          "what was read is written readably");
    Check(SameItems(items, again), "what was read is written unchanged");
    return 0;
}
