// Writes seeds for the package target from board files: per group, the
// group list, the interface information, a stored profile and the group's
// item descriptions, laid out as fuzz_package reads its input.
//
//   package_seeds <output folder> <board.json>...
//
// Runs from the fuzzer's initialisation hook and exits there, so it shares
// the instrumented libraries of the fuzz build.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "standins/firmlink/BoardParser.h"
#include "standins/firmlink/ItemDescription.h"

namespace {

void AddChunk(std::string& seed, const std::vector<uint8_t>& bytes) {
    seed += static_cast<char>(bytes.size() & 0xFF);
    seed += static_cast<char>(bytes.size() >> 8);
    seed.append(bytes.begin(), bytes.end());
}

std::vector<uint8_t> Bytes(const firmsim::PackageBuilder& package) {
    std::vector<uint8_t> bytes(package.ByteSize());
    uint32_t size = static_cast<uint32_t>(bytes.size());
    package.WriteTo(bytes.data(), &size);
    return bytes;
}

std::vector<uint8_t> ProfileBytes(const firmsim::Board& board) {
    std::vector<uint8_t> bytes;
    board.ForEachItem([&](const firmsim::BoardItem& item) {
        if (!bytes.empty() || item.profiles.empty()) return;
        for (uint32_t word : firmsim::StoredProfileWords(item.profiles.front()))
            for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(word >> shift));
    });
    return bytes;
}

int MakeSeeds(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: package_seeds <output folder> <board.json>...\n");
        return 2;
    }
    int written = 0;
    for (int a = 2; a < argc; ++a) {
        firmsim::Board board;
        std::string error;
        if (!firmsim::LoadBoardFile(argv[a], board, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        firmsim::PackageBuilder info;
        for (const auto& text : board.infoStrings) info.String(text);
        for (uint32_t word : board.infoWords) info.Integer(word);
        std::string name = argv[a];
        name = name.substr(name.find_last_of('/') + 1);
        name = name.substr(0, name.find('.'));
        for (const auto& group : board.groups) {
            std::string seed(1, '\0');
            AddChunk(seed, Bytes(firmsim::GroupListPackage(group)));
            AddChunk(seed, Bytes(info));
            AddChunk(seed, ProfileBytes(board));
            for (const auto& item : group.items) AddChunk(seed, Bytes(firmsim::DescribeItemPackage(item)));
            const std::string path = std::string(argv[1]) + "/" + name + "-group" + std::to_string(group.number);
            std::ofstream(path, std::ios::binary) << seed;
            ++written;
        }
    }
    std::printf("%d seeds written to %s\n", written, argv[1]);
    return 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    std::exit(MakeSeeds(*argc, *argv));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) {
    return 0;
}
