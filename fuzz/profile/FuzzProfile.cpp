// Profile files (.oc) read by the real VeOcItemProfile::LoadFromFile. The
// format is simple enough that what a load must yield follows from the bytes
// alone: the head's version and count, and the whole entries the file holds.

#include "app/profiles/VeOcItemProfile.h"
#include "fuzz/common/MutationLoop.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string g_path;

uint32_t Word(const fuzzloop::Input& input, size_t index) {
    uint32_t word = 0;
    std::memcpy(&word, input.data() + 4 * index, sizeof word);
    return word;
}

std::string Load(const fuzzloop::Input& input) {
    if (!fuzzloop::WriteWhole(g_path, input)) return "the input could not be written to " + g_path;
    VeOcItemProfile profile;
    const bool loaded = profile.LoadFromFile(g_path);
    const bool readable = input.size() >= 12 && Word(input, 1) <= VeOcItemProfile::kNewestVersion;
    if (loaded != readable) return loaded ? "an unreadable file was loaded" : "a readable file was refused";
    if (!loaded) return profile.Count() == 0 ? "" : "a refused file left entries";
    if (profile.Version() != Word(input, 1)) return "the version is not the file's";
    const size_t whole = (input.size() - 12) / 8;
    const size_t expected = std::min<size_t>(Word(input, 2), whole);
    if (profile.Count() != expected)
        return "entries: " + std::to_string(profile.Count()) + ", expected " + std::to_string(expected);
    for (size_t i = 0; i < expected; ++i) {
        const VeOcItemValue& entry = profile.Entry(i);
        if (entry.number != Word(input, 3 + 2 * i) || entry.value != Word(input, 4 + 2 * i))
            return "entry " + std::to_string(i) + " is not the file's";
    }
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    g_path = std::string(folder) + "fuzz_profile_" + std::to_string(GetCurrentProcessId()) + ".oc";
    const int result = fuzzloop::Run("profile", argc, argv, &Load);
    DeleteFileA(g_path.c_str());
    return result;
}
