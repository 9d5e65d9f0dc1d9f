// Board files of the simulated firmware, read by the real board parser
// (LineJson, BoardFields, BoardParser, BoardChecker). A board the parser
// accepts must also be one the program can read: every item's description
// is built as the library serves it and parsed by the program's item code,
// which must see the same name and step count.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "kiln/arvex/BiosItem.h"
#include "standins/firmlink/BoardParser.h"
#include "standins/firmlink/BoardState.h"
#include "standins/firmlink/ItemDescription.h"
#include "vendor/firmlink.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void CheckAccepted(const firmsim::Board& board) {
    Check(board.coreCount >= 1 && board.coreCount <= firmsim::kMaxCores, "a core count the board can simulate");
    (void)firmsim::BoardFingerprint(board);
    board.ForEachItem([&](const firmsim::BoardItem& item) {
        const firmsim::PackageBuilder package = firmsim::DescribeItemPackage(item);
        Check(package.ByteSize() <= kFirmPackageCapacity, "descriptions fit the caller's buffer");
        std::vector<uint8_t> bytes(package.ByteSize());
        uint32_t size = static_cast<uint32_t>(bytes.size());
        Check(package.WriteTo(bytes.data(), &size), "a description that fits is written");
        auto parsed = kiln::BiosItem::Create(item.number, bytes.data(), size);
        Check(item.name == parsed->Name(), "the program reads the item's name");
        if (item.kind != firmsim::ItemKind::Boolean)
            Check(parsed->StepCount() == item.StepCount(), "the program counts the item's steps");
        Check(item.perCore ? item.initial.size() == board.coreCount : item.initial.size() == 1,
              "one start value per core");
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    firmsim::Board board;
    std::string error;
    if (firmsim::ParseBoard(text, "fuzzed board", board, error)) {
        Check(error.empty(), "no complaint about an accepted board");
        CheckAccepted(board);
    } else {
        Check(error.rfind("fuzzed board", 0) == 0, "a refusal names its source");
    }
    return 0;
}
