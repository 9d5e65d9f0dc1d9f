// Item descriptions, group lists, interface information and stored profiles
// as the firmware hands them over, read by the real kiln/arvex code. The
// input plays the firmware: a flag byte, then chunks of a 16-bit length and
// that many bytes - the group list, the interface information, the stored
// profile words, then the item descriptions, handed out in turn.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "kiln/arvex/BiosInterface.h"
#include "kiln/arvex/BiosItem.h"
#include "kiln/arvex/BiosNumberItem.h"
#include "kiln/arvex/FirmwareAnswers.h"
#include "kiln/arvex/ItemTraverser.h"
#include "kiln/arvex/StoredProfiles.h"
#include "standins/firmlink/Package.h"
#include "vendor/firmlink.h"

namespace {

struct FuzzedFirmware {
    uint8_t flags = 0;
    std::vector<std::vector<uint8_t>> chunks;
    size_t describeCalls = 0;

    const std::vector<uint8_t>* Chunk(size_t index) const {
        return index < chunks.size() ? &chunks[index] : nullptr;
    }
};

FuzzedFirmware g_firmware;

enum Flag : uint8_t {
    kOversizeList = 1,      // the list call claims more bytes than fit
    kOversizeDescribe = 2,  // every third description claims more bytes than fit
    kFailDescribe = 4,      // every other description is refused
};

uint32_t Fill(const std::vector<uint8_t>* chunk, void* buffer, uint32_t* size, bool oversize) {
    if (!chunk || !buffer || !size || chunk->size() > *size) {
        firmsim::WriteEmptyPackage(buffer, size);
        return 0;
    }
    if (!chunk->empty()) std::memcpy(buffer, chunk->data(), chunk->size());
    *size = oversize ? *size + 1 : static_cast<uint32_t>(chunk->size());
    return 1;
}

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// Every conversion an item offers, on the indexes callers use and on the
// ones a confused firmware value could produce. `classNumber` is the number
// the item was made for, whose kind picks its class; the item's own number
// is what its package says.
void Exercise(const kiln::BiosItem& item, uint32_t classNumber) {
    Check(std::strlen(item.Name()) < item.PackageSize() + 1, "name inside the package");
    const uint32_t steps = item.StepCount();
    std::vector<uint32_t> indexes = {0, 1, steps, steps - 1, steps + 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF,
                                     item.DefaultIndex()};
    for (uint32_t i = 0; i < steps && i < 48; ++i) indexes.push_back(i);
    const auto kind = kiln::ItemKind(classNumber);
    for (uint32_t index : indexes) {
        if (kind == kiln::kKindBoolean) break;
        std::string text = item.IndexToString(index);
        Check(text.size() < 4096 + 64, "text shorter than a package");
        if (kind == kiln::kKindString) continue;
        int32_t numerator = 0, denominator = 0;
        if (item.IndexToRational(index, numerator, denominator)) Check(denominator > 0, "positive denominator");
        (void)item.IndexToValue(index);
    }
    if (kind == kiln::kKindBoolean) {
        int32_t n = 0, d = 0;
        Check(!item.IndexToRational(0, n, d), "a boolean item has no rational");
    }
}

uint32_t FirstNumber(const std::vector<uint8_t>& chunk) {
    uint32_t number = 0;
    if (chunk.size() >= 13) std::memcpy(&number, chunk.data() + 9, sizeof number);
    return number;
}

void CreateDirectly(const std::vector<uint8_t>& chunk) {
    // An exact-size copy, so that any read past the package is caught.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[chunk.size() ? chunk.size() : 1]);
    if (!chunk.empty()) std::memcpy(exact.get(), chunk.data(), chunk.size());
    const uint32_t own = FirstNumber(chunk);
    const uint32_t kinds[] = {kiln::kKindString, kiln::kKindBoolean, (own >> 16) & 0xF, 1, 12};
    for (uint32_t kind : kinds) {
        for (uint32_t extra : {0u, kiln::kExtraStringsFlag}) {
            const uint32_t number = (own & 0xFF00FFFF & ~0x00F00000u) | (kind << 16) | (extra << 20);
            auto item = kiln::BiosItem::Create(number, exact.get(), static_cast<uint32_t>(chunk.size()));
            Check(item != nullptr, "an item for every package");
            Exercise(*item, number);
        }
    }
}

}  // namespace

extern "C" {

uint32_t __stdcall FirmInitialize() { return 1; }
uint32_t __stdcall FirmWriteItem(uint32_t, uint32_t, uint32_t) { return 0; }
uint32_t __stdcall FirmReadItem(uint32_t, uint32_t*) { return 0; }
uint32_t __stdcall FirmReadItemLimit(uint32_t, uint32_t, uint32_t*) { return 0; }

uint32_t __stdcall FirmListGroup(uint32_t, void* buffer, uint32_t* size) {
    return Fill(g_firmware.Chunk(0), buffer, size, g_firmware.flags & kOversizeList);
}

uint32_t __stdcall FirmInterfaceInfo(void* buffer, uint32_t* size) {
    return Fill(g_firmware.Chunk(1), buffer, size, false);
}

uint32_t __stdcall FirmReadStoredProfile(uint32_t, uint32_t, void* buffer, uint32_t* size) {
    return Fill(g_firmware.Chunk(2), buffer, size, false);
}

uint32_t __stdcall FirmDescribeItem(const void* listData, void* buffer, uint32_t* size) {
    // The real library reads the item number behind the pointer.
    uint32_t number = 0;
    std::memcpy(&number, listData, sizeof number);
    const size_t call = g_firmware.describeCalls++;
    const size_t descriptions = g_firmware.chunks.size() > 3 ? g_firmware.chunks.size() - 3 : 0;
    if (descriptions == 0 || ((g_firmware.flags & kFailDescribe) && call % 2 == 1)) {
        firmsim::WriteEmptyPackage(buffer, size);
        return 0;
    }
    return Fill(g_firmware.Chunk(3 + call % descriptions), buffer, size,
                (g_firmware.flags & kOversizeDescribe) && call % 3 == 2);
}

}  // extern "C"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    g_firmware = FuzzedFirmware();
    // Every input is a firmware of its own: nothing it answered before holds.
    kiln::ForgetFirmwareAnswers();
    if (size == 0) return 0;
    g_firmware.flags = data[0];
    for (size_t at = 1; at + 2 <= size && g_firmware.chunks.size() < 64;) {
        const size_t length = std::min<size_t>(data[at] | (data[at + 1] << 8), size - at - 2);
        g_firmware.chunks.emplace_back(data + at + 2, data + at + 2 + length);
        at += 2 + length;
    }

    for (size_t i = 3; i < g_firmware.chunks.size(); ++i) CreateDirectly(g_firmware.chunks[i]);

    kiln::ItemTraverser traverser;
    if (traverser.Open(5)) {
        for (size_t walked = 0; !traverser.AtEnd(); traverser.Next(), ++walked) {
            Check(walked <= 4096, "a walk no longer than the list");
            if (auto item = traverser.CreateItem()) {
                Check(item->Number() == traverser.CurrentNumber(), "the item of the current number");
                Exercise(*item, traverser.CurrentNumber());
            }
        }
        traverser.Close();
    }

    std::vector<uint32_t> wanted;
    for (size_t i = 3; i < g_firmware.chunks.size(); ++i) wanted.push_back(FirstNumber(g_firmware.chunks[i]));
    wanted.push_back(0x05080002);
    Check(kiln::AreItemsPresent(wanted).size() == wanted.size(), "one answer per number");

    std::vector<std::string> names;
    kiln::ReadStoredProfileNames(names);
    std::vector<std::pair<uint32_t, uint32_t>> pairs;
    if (kiln::ReadStoredProfile(0, pairs)) {
        const size_t words = g_firmware.Chunk(2) ? g_firmware.Chunk(2)->size() / 4 : 0;
        Check(pairs.empty() || pairs.size() * 2 + 1 <= words, "pairs only from the words returned");
    }

    const uint32_t first = g_firmware.flags >> 4, count = (g_firmware.flags & 7) + 1;
    std::unique_ptr<uint32_t[]> out(new uint32_t[count]);  // exactly `count`: writes past it are caught
    kiln::ReadInterfaceInfo(out.get(), first, count);
    return 0;
}
